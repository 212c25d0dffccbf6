#include "store/notes_store.h"

#include <memory>

#include "framework/files.h"
#include "framework/thread.h"
#include "store/file_formats.h"
#include "store/globali.h"
#include "store/text_files.h"
#include "store/window_refresh.h"

namespace Globali {

namespace {

namespace fmt = formats;

int32_t MonthOfCell(int n) { return (n - 1) / fmt::kDaysPerMonth + 1; }
int32_t DayOfCell(int n) { return (n - 1) % fmt::kDaysPerMonth + 1; }

// Every cell empty and every style the default, so that nothing of another year
// survives a load of a short or missing file.
void ClearYear() {
  for (int32_t month = 1; month <= 12; ++month) {
    for (int32_t day = 1; day <= fmt::kDaysPerMonth; ++day) {
      nota(day, month) = "";
      fontecolore(day, month) = fmt::kDefaultStyle;
    }
    fw::YieldToNextThread();
  }
}

struct NotesSource {
  fw::FolderItem notes, styles;
  bool older = false;  // the single files of the older layout
  std::unique_ptr<fw::TextInputStream> notesIn;  // nullptr: no notes to read
};

NotesSource FromFolder(const fw::FolderItem& folder) {
  return {folder.Child(fmt::YearNotesFileName(annoload)), folder.Child(fmt::YearStylesFileName(annoload)), false,
          nullptr};
}

// The application copy first, then the Preferences copy, then the older single files.
// A copy whose notes file is there but cannot be read counts as missing: read as an
// empty year, it would be written over the other copy at the next save. Each notes
// folder that is looked into and missing is created.
NotesSource ChooseSource() {
  for (const fw::FolderItem& folder : {fw::ApplicationFolder().Child(fmt::kAppNotesFolder),
                                       fw::PreferencesFolder().Child(fmt::kPrefsNotesFolder)}) {
    if (folder.Exists()) {
      NotesSource source = FromFolder(folder);
      if (source.notes.Exists()) source.notesIn = textfiles::OpenForReading(source.notes);
      if (source.notesIn) return source;
    } else {
      folder.CreateAsFolder();
    }
  }
  const fw::FolderItem app = fw::ApplicationFolder();
  const fw::FolderItem oldNotes = app.Child(fmt::kOldNotesFile);
  return {oldNotes, app.Child(fmt::kOldStylesFile), true, textfiles::OpenForReading(oldNotes)};
}

void CloseCell(int cell, fw::String& text) {
  if (cell < 1 || cell > fmt::kCellCount) return;  // lines outside the 372 records belong to no day
  if (!text.empty()) ++notequante;
  nota(DayOfCell(cell), MonthOfCell(cell)) = std::move(text);
}

void ReadNotes(fw::TextInputStream& in) {
  int cell = 0;  // before January 1; the first start line moves onto it
  fw::String text;
  bool hasFirstLine = false;
  while (!in.EOF()) {
    fw::String line = in.ReadLine();
    if (line == fmt::kNoteStart) {
      CloseCell(cell, text);
      ++cell;
      text.clear();
      hasFirstLine = false;
    } else {
      // The first line is the note's first line even when empty, so that a note that
      // begins with empty lines keeps them; each later line follows a line break.
      if (hasFirstLine) text += '\r';
      text += line;
      hasFirstLine = true;
    }
    fw::YieldToNextThread();
  }
  CloseCell(cell, text);
}

void ReadStyles(fw::TextInputStream& in) {
  for (int cell = 1; cell <= fmt::kCellCount && !in.EOF(); ++cell) {
    fontecolore(DayOfCell(cell), MonthOfCell(cell)) = in.ReadLine();
    fw::YieldToNextThread();
  }
}

std::vector<fw::String> NotesLines() {
  std::vector<fw::String> lines;
  lines.reserve(2 * fmt::kCellCount);
  for (int cell = 1; cell <= fmt::kCellCount; ++cell) {
    lines.emplace_back(fmt::kNoteStart);
    for (const fw::String& line : fmt::LinesOf(nota(DayOfCell(cell), MonthOfCell(cell))))
      lines.push_back(fmt::GuardMarker(line, fmt::kNoteStart));
    fw::YieldToNextThread();
  }
  return lines;
}

std::vector<fw::String> StylesLines() {
  std::vector<fw::String> lines;
  lines.reserve(fmt::kCellCount);
  for (int cell = 1; cell <= fmt::kCellCount; ++cell) {
    lines.push_back(fmt::OnOneLine(fontecolore(DayOfCell(cell), MonthOfCell(cell))));
    fw::YieldToNextThread();
  }
  return lines;
}

struct SaveResult {
  bool app = false, prefs = false;
};

// Each copy is written on its own: a folder that cannot be written (an application
// folder is often read-only) stops neither the other copy nor anything after.
SaveResult SaveYear() {
  const std::vector<fw::String> notes = NotesLines();
  const std::vector<fw::String> styles = StylesLines();
  auto writeCopy = [&](const fw::FolderItem& folder) {
    if (!textfiles::EnsureFolder(folder)) return false;
    const bool notesWritten = textfiles::WriteLines(folder.Child(fmt::YearNotesFileName(annoload)), notes);
    const bool stylesWritten = textfiles::WriteLines(folder.Child(fmt::YearStylesFileName(annoload)), styles);
    return notesWritten && stylesWritten;
  };
  SaveResult result;
  result.app = writeCopy(fw::ApplicationFolder().Child(fmt::kAppNotesFolder));
  result.prefs = writeCopy(fw::PreferencesFolder().Child(fmt::kPrefsNotesFolder));
  return result;
}

}  // namespace

void ripristinanote() {
  notequante = 0;
  ClearYear();
  NotesSource source = ChooseSource();
  bool notesRead = false, stylesRead = false;
  if (source.notesIn) {
    ReadNotes(*source.notesIn);
    source.notesIn->Close();
    notesRead = true;
  }
  if (auto in = textfiles::OpenForReading(source.styles)) {
    ReadStyles(*in);
    in->Close();
    stylesRead = true;
  }
  // The older files go only once their notes stand in the year files of this year.
  if (source.older && (notesRead || stylesRead)) {
    const SaveResult saved = SaveYear();
    if (saved.app || saved.prefs) {
      if (notesRead) source.notes.Delete();
      if (stylesRead) source.styles.Delete();
    }
  }
}

bool salvanote() {
  const SaveResult saved = SaveYear();
  return saved.app && saved.prefs;
}

void eliminanote() {
  notequante = 0;
  ClearYear();
  window::showLoadedNotes();
}

fw::String calendarHeading() {
  return testo(72) + " - (" + fw::Str(static_cast<int64_t>(notequante)) + " " + testo(73) + ")";
}

}  // namespace Globali
