#include "store/notes_store.h"

#include <array>
#include <memory>

#include "framework/files.h"
#include "framework/thread.h"
#include "store/copy_choice.h"
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
  // Both copies of the year's two files as found, and which of each is used.
  std::vector<copies::Found> notesFound, stylesFound;
  int notesChosen = -1, stylesChosen = -1;
};

// A notes file is whole when it starts with a record and holds exactly the 372 records
// (what follows a start line, however it begins, is that record's note).
copies::Found ExamineNotes(const fw::FolderItem& file) {
  copies::Found found{file};
  auto in = textfiles::OpenForReading(file);
  if (!in) return found;
  found.readable = true;
  bool startsWithRecord = false;
  for (bool first = true; !in->EOF(); first = false) {
    const bool start = in->ReadLine() == fmt::kNoteStart;
    if (first) startsWithRecord = start;
    if (start) ++found.amount;
  }
  found.wellFormed = startsWithRecord && found.amount == fmt::kCellCount;
  return found;
}

// A style file is whole when it holds exactly the 372 codes of three characters.
copies::Found ExamineStyles(const fw::FolderItem& file) {
  copies::Found found{file};
  auto in = textfiles::OpenForReading(file);
  if (!in) return found;
  found.readable = true;
  bool allCodes = true;
  while (!in->EOF()) {
    allCodes = fw::Len(in->ReadLine()) == fmt::kStyleLength && allCodes;
    ++found.amount;
  }
  found.wellFormed = allCodes && found.amount == fmt::kCellCount;
  return found;
}

// The styles are chosen like the notes but on their own, the copy beside the notes
// first: a save may have written the notes file only in one folder and the style file
// only in the other. Neither copy there: the default styles.
void ChooseStyles(NotesSource& source, const fw::FolderItem& usedFolder, const fw::FolderItem& otherFolder) {
  const fw::String name = fmt::YearStylesFileName(annoload);
  source.stylesFound = copies::ExamineBoth(usedFolder.Child(name), otherFolder.Child(name), ExamineStyles);
  source.stylesChosen = copies::Choose(source.stylesFound);
  source.styles = source.stylesChosen >= 0 ? source.stylesFound[static_cast<size_t>(source.stylesChosen)].file
                                           : usedFolder.Child(name);
}

// The application copy first, then the Preferences copy, each used only when its notes
// file is whole, and of two whole ones that differ the one written last; when neither
// is whole, the one holding more records; when neither can be read (missing, or no
// file to read), the older single files. A notes folder that is missing is created.
NotesSource ChooseSource() {
  const std::array<fw::FolderItem, 2> folders{fw::ApplicationFolder().Child(fmt::kAppNotesFolder),
                                              fw::PreferencesFolder().Child(fmt::kPrefsNotesFolder)};
  NotesSource source;
  for (const fw::FolderItem& folder : folders)
    if (!folder.Exists()) folder.CreateAsFolder();
  const fw::String name = fmt::YearNotesFileName(annoload);
  source.notesFound = copies::ExamineBoth(folders[0].Child(name), folders[1].Child(name), ExamineNotes);
  source.notesChosen = copies::Choose(source.notesFound);
  if (source.notesChosen >= 0) {
    const size_t used = static_cast<size_t>(source.notesChosen);
    source.notes = source.notesFound[used].file;
    source.notesIn = textfiles::OpenForReading(source.notes);
    ChooseStyles(source, folders[used], folders[1 - used]);
    return source;
  }
  const fw::FolderItem app = fw::ApplicationFolder();
  source.notes = app.Child(fmt::kOldNotesFile);
  source.styles = app.Child(fmt::kOldStylesFile);
  source.older = true;
  source.notesIn = textfiles::OpenForReading(source.notes);
  return source;
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

// The loaded year as its two files held it when they were last read or written (one
// copy holding it is enough: the next load reads the copy written last), to know
// whether leaving the year can lose anything.
struct YearOnDisk {
  TextTable notes{-1, -1}, styles{-1, -1};
};
YearOnDisk& OnDisk() {
  static YearOnDisk year;
  return year;
}

// Each copy is written on its own: a folder that cannot be written (an application
// folder is often read-only) stops neither the other copy nor anything after.
SaveReport SaveYear() {
  YearOnDisk saved{nota, fontecolore};
  const std::vector<fw::String> notes = NotesLines();
  const std::vector<fw::String> styles = StylesLines();
  SaveReport report;
  bool notesWritten = false, stylesWritten = false;
  for (const fw::FolderItem& folder : {fw::ApplicationFolder().Child(fmt::kAppNotesFolder),
                                       fw::PreferencesFolder().Child(fmt::kPrefsNotesFolder)}) {
    const bool folderReady = textfiles::EnsureFolder(folder);
    const fw::FolderItem notesFile = folder.Child(fmt::YearNotesFileName(annoload));
    const bool notesHere = folderReady && textfiles::WriteLines(notesFile, notes);
    report.Add(notesFile, notesHere, textfiles::BytesOf(notes));
    const fw::FolderItem stylesFile = folder.Child(fmt::YearStylesFileName(annoload));
    const bool stylesHere = folderReady && textfiles::WriteLines(stylesFile, styles);
    report.Add(stylesFile, stylesHere, textfiles::BytesOf(styles));
    notesWritten = notesWritten || notesHere;
    stylesWritten = stylesWritten || stylesHere;
  }
  if (notesWritten) OnDisk().notes = std::move(saved.notes);
  if (stylesWritten) OnDisk().styles = std::move(saved.styles);
  return report;
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
  if (source.older && (notesRead || stylesRead) && !SaveYear().AnyFileLost()) {
    if (notesRead) source.notes.Delete();
    if (stylesRead) source.styles.Delete();
  }
  // Told once the year is whole in memory.
  copies::KeepDamagedAside(source.notesFound, source.notesChosen);
  copies::KeepDamagedAside(source.stylesFound, source.stylesChosen);
  OnDisk() = {nota, fontecolore};
}

SaveReport salvanote() { return SaveYear(); }

bool loadedYearIsOnDisk() { return nota == OnDisk().notes && fontecolore == OnDisk().styles; }

void eliminanote() {
  notequante = 0;
  ClearYear();
  window::showLoadedNotes();
}

fw::String calendarHeading() {
  return testo(72) + " - (" + fw::Str(static_cast<int64_t>(notequante)) + " " + testo(73) + ")";
}

}  // namespace Globali
