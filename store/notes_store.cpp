#include "store/notes_store.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <new>
#include <optional>

#include "framework/devices.h"
#include "framework/files.h"
#include "framework/thread.h"
#include "resources/texttable.h"
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

using Lines = std::vector<fw::String>;

// A copy's lines, read once: examined and then, for the copy chosen, loaded.
std::optional<Lines> ReadLines(const fw::FolderItem& file) {
  auto in = textfiles::OpenForReading(file);
  if (!in) return std::nullopt;
  Lines lines;
  while (!in->EOF()) lines.push_back(in->ReadLine());
  in->Close();
  return lines;
}

using ChosenLines = copies::ChosenCopy<std::optional<Lines>>;  // content nullopt: nothing to read

struct NotesSource {
  fw::FolderItem notes, styles;  // the single files of the older layout, when `older`
  bool older = false;
  // Both copies of the year's two files as found, which of each is used and its lines;
  // for the older layout, just the lines of its files.
  ChosenLines notesCopy, stylesCopy;
};

// Examines the copies of one file as `judge` finds their lines; the chosen one's lines
// are kept for the load.
template <class Judge>
ChosenLines ChooseCopy(const copies::Places& places, Judge judge) {
  return copies::ChooseCopy<std::optional<Lines>>(places, [&](const fw::FolderItem& file, copies::Found& f) {
    std::optional<Lines> lines = ReadLines(file);
    if (lines) {
      f.readable = true;
      judge(*lines, f);
    }
    return lines;
  });
}

// A notes file is whole when it starts with a record and holds exactly the 372 records
// (what follows a start line, however it begins, is that record's note).
void JudgeNotes(const Lines& lines, copies::Found& found) {
  for (const fw::String& line : lines) found.amount += line == fmt::kNoteStart;
  found.wellFormed = !lines.empty() && lines[0] == fmt::kNoteStart && found.amount == fmt::kCellCount;
}

// A style file is whole when it holds exactly the 372 codes of three characters.
void JudgeStyles(const Lines& lines, copies::Found& found) {
  found.amount = static_cast<int64_t>(lines.size());
  found.wellFormed = found.amount == fmt::kCellCount &&
                     std::all_of(lines.begin(), lines.end(), [](const fw::String& line) {
                       return fw::Len(line) == fmt::kStyleLength;
                     });
}

// The year's notes files where a load looks for them: beside the application (where a
// save writes, and where a program folder that cannot be written holds them), then in
// the Preferences folder.
copies::Places NotesPlaces(const fw::String& name) {
  return copies::BothPlaces(fw::String(fmt::kAppNotesFolder) + "/" + name,
                            fw::PreferencesFolder().Child(fmt::kPrefsNotesFolder).Child(name), true);
}

// The style files in the folders of `notes`, the folder of the notes used first.
copies::Places StylesPlaces(const copies::Places& notes, int used, const fw::String& name) {
  copies::Places places{notes[static_cast<size_t>(used)]};
  for (size_t i = 0; i < notes.size(); ++i)
    if (static_cast<int>(i) != used) places.push_back(notes[i]);
  for (copies::Found& place : places) place.file = place.file.Parent().Child(name);
  return places;
}

// A year's notes file by its name: the year's digits, then the rest of such a name.
bool IsYearNotesFileName(const fw::String& name) {
  const fw::String ending = fmt::YearNotesFileName(0).substr(1);
  if (name.size() <= ending.size() || !name.ends_with(ending)) return false;
  return std::all_of(name.begin(), name.end() - static_cast<std::ptrdiff_t>(ending.size()),
                     [](char c) { return c >= '0' && c <= '9'; });
}

// Whether the folder the program writes in while its own folder cannot be written holds
// a year's notes: the older files beside the program, which cannot be deleted there,
// were then taken already, and another year would take them again.
bool FallbackHoldsAYear() {
  const fw::String program = fw::ProgramFolder().AbsolutePath();
  for (const fw::FolderItem& folder : {fw::ApplicationFolder(), fw::OtherApplicationFolder()}) {
    if (folder.AbsolutePath().empty() || folder.AbsolutePath() == program) continue;
    const fw::String notes = folder.Child(fmt::kAppNotesFolder).AbsolutePath();
    std::error_code unreadable;
    for (std::filesystem::directory_iterator entry(notes, unreadable), end; !unreadable && entry != end;
         entry.increment(unreadable))
      if (IsYearNotesFileName(entry->path().filename().string())) return true;
  }
  return false;
}

// The older single files, beside the application: where a save writes, else where the
// program stands when that cannot be written; none once a year was saved in the
// fallback folder.
fw::FolderItem OlderFilesFolder() {
  if (FallbackHoldsAYear()) return fw::FolderItem();
  const fw::FolderItem written = fw::ApplicationFolder(), other = fw::OtherApplicationFolder();
  for (const char* name : {fmt::kOldNotesFile, fmt::kOldStylesFile})
    if (!written.Child(name).Exists() && other.Child(name).Exists()) return other;
  return written;
}

// The application copy first, then the Preferences copy, each used only when its notes
// file is whole, and of two whole ones that differ the one written last; when neither
// is whole, the one holding more records; when neither can be read (missing, or no
// file to read), the older single files. A notes folder that is missing is created.
// The styles are chosen like the notes but on their own, the copy beside the notes
// first: a save may have written the notes file only in one folder and the style file
// only in the other. Neither copy there: the default styles.
NotesSource ChooseSource() {
  NotesSource source;
  for (const fw::FolderItem& folder : {fw::ApplicationFolder().Child(fmt::kAppNotesFolder),
                                       fw::PreferencesFolder().Child(fmt::kPrefsNotesFolder)})
    if (!folder.Exists()) folder.CreateAsFolder();
  const copies::Places notesPlaces = NotesPlaces(fmt::YearNotesFileName(annoload));
  source.notesCopy = ChooseCopy(notesPlaces, JudgeNotes);
  if (source.notesCopy.chosen >= 0) {
    source.stylesCopy =
        ChooseCopy(StylesPlaces(notesPlaces, source.notesCopy.chosen, fmt::YearStylesFileName(annoload)), JudgeStyles);
    return source;
  }
  const fw::FolderItem app = OlderFilesFolder();
  source.notes = app.Child(fmt::kOldNotesFile);
  source.styles = app.Child(fmt::kOldStylesFile);
  source.older = true;
  source.notesCopy.content = ReadLines(source.notes);
  source.stylesCopy.content = ReadLines(source.styles);
  return source;
}

// Whether lines read are whole by `judge`; none read counts as whole.
template <class Judge>
bool Whole(const std::optional<Lines>& lines, Judge judge) {
  if (!lines) return true;
  copies::Found found;
  judge(*lines, found);
  return found.wellFormed;
}

// An older file goes once the year files hold it. One that was not whole held what they
// could not take (lines before its first record, records past 31 December): it is moved
// beside itself under a free name rather than deleted, and the user told.
void RetireOlderFile(const fw::FolderItem& file, bool whole) {
  if (whole) {
    file.Delete();
    return;
  }
  const fw::FolderItem aside = copies::FreeAsideName(file);
  if (file.Rename(aside.Name()))
    fw::MsgBox(resources::Filled(resources::kWhatCouldBeReadUsedMessage, {file.AbsolutePath(), aside.Name()}));
}

// Hands each record's note to `take` with its cell (1..372); lines outside the 372
// records belong to no day.
template <class Take>
void ForEachNote(Lines& lines, Take take) {
  int cell = 0;  // before January 1; the first start line moves onto it
  fw::String text;
  bool hasFirstLine = false;
  auto closeCell = [&] {
    if (cell >= 1 && cell <= fmt::kCellCount) take(cell, text);
  };
  for (fw::String& line : lines) {
    if (line == fmt::kNoteStart) {
      closeCell();
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
  closeCell();
}

void ReadNotes(Lines& lines) {
  ForEachNote(lines, [](int cell, fw::String& text) {
    if (!text.empty()) ++notequante;
    nota(DayOfCell(cell), MonthOfCell(cell)) = std::move(text);
  });
}

void ReadStyles(Lines& lines) {
  for (int cell = 1; cell <= fmt::kCellCount && cell <= static_cast<int>(lines.size()); ++cell) {
    fontecolore(DayOfCell(cell), MonthOfCell(cell)) = std::move(lines[static_cast<size_t>(cell - 1)]);
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

// The folders that hold a copy of the year's files, the application's first.
std::array<fw::FolderItem, 2> NotesFolders() {
  return {fw::ApplicationFolder().Child(fmt::kAppNotesFolder), fw::PreferencesFolder().Child(fmt::kPrefsNotesFolder)};
}

// Each copy is written on its own: a folder that cannot be written (an application
// folder is often read-only) stops neither the other copy nor anything after.
SaveReport WriteYear() {
  YearOnDisk saved{nota, fontecolore};
  const std::vector<fw::String> notes = NotesLines();
  const std::vector<fw::String> styles = StylesLines();
  const uint64_t notesBytes = textfiles::BytesOf(notes), stylesBytes = textfiles::BytesOf(styles);
  SaveReport report;
  bool notesWritten = false, stylesWritten = false;
  // The application's folder itself is never made again: gone, it went with its stick.
  const fw::FolderItem application = fw::ApplicationFolder();
  const bool applicationThere = application.Directory();
  for (const fw::FolderItem& folder : NotesFolders()) {
    const bool inApplication = folder.Parent().AbsolutePath() == application.AbsolutePath();
    const bool folderReady = (applicationThere || !inApplication) && textfiles::EnsureFolder(folder);
    const fw::FolderItem notesFile = folder.Child(fmt::YearNotesFileName(annoload));
    const bool notesHere =
        folderReady && copies::WriteCopy(notesFile, [&] { return textfiles::WriteLines(notesFile, notes); });
    report.Add(notesFile, notesHere, notesBytes);
    const fw::FolderItem stylesFile = folder.Child(fmt::YearStylesFileName(annoload));
    const bool stylesHere =
        folderReady && copies::WriteCopy(stylesFile, [&] { return textfiles::WriteLines(stylesFile, styles); });
    report.Add(stylesFile, stylesHere, stylesBytes);
    notesWritten = notesWritten || notesHere;
    stylesWritten = stylesWritten || stylesHere;
  }
  if (notesWritten) OnDisk().notes = std::move(saved.notes);
  if (stylesWritten) OnDisk().styles = std::move(saved.styles);
  return report;
}

// A year too large for the memory the program may have (an address-space limit) is
// written nowhere, and told so: the save that failed silently let a quit go on.
SaveReport SaveYear() {
  try {
    return WriteYear();
  } catch (const std::bad_alloc&) {
    std::vector<fw::FolderItem> copies;
    for (const fw::FolderItem& folder : NotesFolders())
      for (const fw::String& name : {fmt::YearNotesFileName(annoload), fmt::YearStylesFileName(annoload)})
        copies.push_back(folder.Child(name));
    return SaveReport::NoneWrittenForLackOfMemory(copies);
  }
}

}  // namespace

void ripristinanote() {
  notequante = 0;
  ClearYear();
  NotesSource source = ChooseSource();
  std::optional<Lines>& notesLines = source.notesCopy.content;
  std::optional<Lines>& stylesLines = source.stylesCopy.content;
  // Judged before reading, which takes the lines; year files were judged when chosen.
  const bool notesWhole = !source.older || Whole(notesLines, JudgeNotes);
  const bool stylesWhole = !source.older || Whole(stylesLines, JudgeStyles);
  if (notesLines) ReadNotes(*notesLines);
  if (stylesLines) ReadStyles(*stylesLines);
  const bool notesRead = notesLines.has_value(), stylesRead = stylesLines.has_value();
  // Told once the year is whole in memory, and before anything is saved.
  copies::KeepAsideCopiesNotUsed(source.notesCopy.found, source.notesCopy.chosen);
  copies::KeepAsideCopiesNotUsed(source.stylesCopy.found, source.stylesCopy.chosen);
  // The older files go only once their notes stand in the year files of this year.
  if (source.older && (notesRead || stylesRead)) {
    const SaveReport saved = SaveYear();
    TellCopiesNotKept(saved);
    if (!saved.AnyFileLost()) {
      if (notesRead) RetireOlderFile(source.notes, notesWhole);
      if (stylesRead) RetireOlderFile(source.styles, stylesWhole);
    }
  }
  OnDisk() = {nota, fontecolore};
}

SaveReport salvanote() { return SaveYear(); }

fw::String noteOf(int32_t day, int32_t month, int32_t year) {
  if (year == annoload) return nota(day, month);
  std::optional<Lines> lines = ChooseCopy(NotesPlaces(fmt::YearNotesFileName(year)), JudgeNotes).content;
  fw::String note;
  if (lines)
    ForEachNote(*lines, [&](int cell, fw::String& text) {
      if (DayOfCell(cell) == day && MonthOfCell(cell) == month) note = std::move(text);
    });
  return note;
}

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
