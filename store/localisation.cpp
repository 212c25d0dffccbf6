#include "store/localisation.h"

#include <memory>
#include <optional>
#include <string_view>

#include "framework/devices.h"
#include "framework/files.h"
#include "framework/thread.h"
#include "resources/texttable.h"
#include "store/copy_choice.h"
#include "store/file_formats.h"
#include "store/globali.h"
#include "store/text_files.h"

namespace Globali {

namespace {

constexpr int32_t kRows = static_cast<int32_t>(resources::kTextRowCount);
constexpr int32_t kCustom = 3;

void FillBuiltInColumns() {
  const auto& rows = resources::BuiltInTexts();
  for (int32_t r = 0; r < kRows; ++r) {
    testoloc(r, 0) = rows[static_cast<size_t>(r)].english;
    testoloc(r, 1) = rows[static_cast<size_t>(r)].italian;
    testoloc(r, 2) = rows[static_cast<size_t>(r)].french;
  }
}

void CustomColumnInEnglish(int32_t fromRow = 0) {
  for (int32_t r = fromRow; r < kRows; ++r) testoloc(r, kCustom) = testoloc(r, 0);
}

// Editors add a byte-order mark or end lines with CRLF; neither makes the file another one.
bool IsHeader(fw::String line) {
  constexpr std::string_view kBom = "\xEF\xBB\xBF";
  if (line.starts_with(kBom)) line.erase(0, kBom.size());
  while (!line.empty() && (line.back() == '\r' || line.back() == ' ')) line.pop_back();
  return line == resources::kLanguageFileFirstLine;
}

// Rows past the end of a short file keep the English text.
void ReadCustomColumn(fw::TextInputStream& in) {
  for (int skipped = 0; skipped < 5 && !in.EOF(); ++skipped) {
    in.ReadLine();
    fw::YieldToNextThread();
  }
  int32_t r = 0;
  for (; r < kRows && !in.EOF(); ++r) {
    testoloc(r, kCustom) = in.ReadLine();
    fw::YieldToNextThread();
  }
  CustomColumnInEnglish(r);
}

// The English file, written whole, and then its message box: the box never announces
// a file that is not there. The user's invalid file is kept under a free name beside
// it, never overwritten, and is back in its place when the new one cannot be written.
void WriteEnglishFile(const fw::FolderItem& file, const fw::String& message, bool keepOldAside) {
  auto out = file.CreateTextFile();
  if (!out) return;
  std::optional<fw::FolderItem> aside;
  if (keepOldAside) {
    aside = copies::FreeAsideName(file);
    if (!file.Rename(aside->Name())) return;  // the unfinished new file is discarded
  }
  for (const std::string& line : resources::EnglishLanguageFileLines()) {
    out->WriteLine(line);
    fw::YieldToNextThread();
  }
  if (out->Close()) fw::MsgBox(message);
  else if (aside) aside->Rename(file.Name());
}

// The box's text: where the English file goes is the Velqora folder, unless that
// cannot be written; then the folder it went to is named.
fw::String LanguageFileMessage(const fw::FolderItem& file, bool invalid) {
  const fw::FolderItem folder = file.Parent();
  if (folder.AbsolutePath() == fw::ProgramFolder().AbsolutePath())
    return fw::String(invalid ? resources::kLanguageFileNotValidMessage : resources::kLanguageFileNotFoundMessage);
  return resources::Filled(
      invalid ? resources::kLanguageFileNotValidElsewhereMessage : resources::kLanguageFileNotFoundElsewhereMessage,
      {folder.AbsolutePath()});
}

// How one place holds the file.
struct LanguageFile {
  enum State { Missing, Unreadable, Invalid, Valid } state = Missing;
  std::unique_ptr<fw::TextInputStream> in;  // past its first line, when valid
  int64_t modified = 0;
  fw::FolderItem file;
};

LanguageFile Examine(const fw::FolderItem& file) {
  LanguageFile found;
  found.file = file;
  if (!file.Exists()) return found;
  found.in = textfiles::OpenForReading(file);
  if (!found.in) {
    found.state = LanguageFile::Unreadable;
    return found;
  }
  found.state = IsHeader(found.in->ReadLine()) ? LanguageFile::Valid : LanguageFile::Invalid;
  found.modified = file.ModifiedNanoseconds();
  return found;
}

// The English file just as the program writes it where there is no valid one.
bool IsTheProgramsEnglishFile(const fw::FolderItem& file) {
  const auto in = file.OpenAsTextFile();
  if (!in) return false;
  fw::String english;
  for (const std::string& line : resources::EnglishLanguageFileLines()) english += line + "\n";
  return in->ReadAll() == english;
}

// Of two valid files, the user's translation over the English file the program wrote
// (a translation copied in later may keep an older date); else the one changed last.
bool OtherIsRead(const LanguageFile& here, const LanguageFile& other) {
  if (other.state != LanguageFile::Valid) return false;
  if (here.state != LanguageFile::Valid) return true;
  const bool hereEnglish = IsTheProgramsEnglishFile(here.file);
  if (hereEnglish != IsTheProgramsEnglishFile(other.file)) return hereEnglish;
  return other.modified > here.modified;
}

}  // namespace

// The file is sought where the program writes it and, where there is one, in the other
// place beside the application: a program folder that cannot be written still has its
// file read. Of two valid files a translation is read over the program's own English
// one, else the one changed last. A file that cannot be read is the user's and is left
// as it is, the custom column English.
void carica_localizzazione() {
  testoloc.Redim(kRows, kCustom);
  FillBuiltInColumns();
  CustomColumnInEnglish();

  const fw::FolderItem file = fw::ApplicationFolder().Child(formats::kLanguageFile);
  LanguageFile here = Examine(file);
  LanguageFile other = Examine(fw::OtherApplicationFolder().Child(formats::kLanguageFile));
  if (here.state == LanguageFile::Valid || other.state == LanguageFile::Valid) {
    LanguageFile& read = OtherIsRead(here, other) ? other : here;
    ReadCustomColumn(*read.in);
    read.in->Close();
    return;
  }
  if (here.state == LanguageFile::Unreadable || other.state == LanguageFile::Unreadable) return;
  const bool invalid = here.state == LanguageFile::Invalid || other.state == LanguageFile::Invalid;
  here.in.reset();  // closed before it is kept aside
  WriteEnglishFile(file, LanguageFileMessage(file, invalid), here.state == LanguageFile::Invalid);
}

fw::String testo(int32_t row) {
  const int32_t column = lingua - 1;
  if (row < 0 || row > testoloc.Ubound(1) || column < 0 || column > testoloc.Ubound(2)) return "";
  return testoloc(row, column);
}

}  // namespace Globali
