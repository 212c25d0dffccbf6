#include "store/localisation.h"

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

// The user's file is kept under a free name beside it, never overwritten.
bool KeepAside(const fw::FolderItem& file) {
  const std::optional<fw::FolderItem> aside = copies::FreeAsideName(file);
  return aside && file.Rename(aside->Name());
}

// The English file, preceded by its message box. The box shows only when the file can
// really be written, so it never announces a file that is not there.
void WriteEnglishFile(const fw::FolderItem& file, std::string_view message, bool keepOldAside) {
  auto out = file.CreateTextFile();
  if (!out) return;
  if (keepOldAside && !KeepAside(file)) return;  // the unfinished new file is discarded
  fw::MsgBox(fw::String(message));
  for (const std::string& line : resources::EnglishLanguageFileLines()) {
    out->WriteLine(line);
    fw::YieldToNextThread();
  }
  out->Close();
}

}  // namespace

void carica_localizzazione() {
  testoloc.Redim(kRows, kCustom);
  FillBuiltInColumns();
  CustomColumnInEnglish();

  const fw::FolderItem file = fw::ApplicationFolder().Child(formats::kLanguageFile);
  if (!file.Exists()) {
    WriteEnglishFile(file, resources::kLanguageFileNotFoundMessage, false);
    return;
  }
  auto in = textfiles::OpenForReading(file);
  if (!in) return;  // unreadable: keep the user's file, the custom column stays English
  if (IsHeader(in->ReadLine())) {
    ReadCustomColumn(*in);
    in->Close();
    return;
  }
  in->Close();
  WriteEnglishFile(file, resources::kLanguageFileNotValidMessage, true);
}

fw::String testo(int32_t row) {
  const int32_t column = lingua - 1;
  if (row < 0 || row > testoloc.Ubound(1) || column < 0 || column > testoloc.Ubound(2)) return "";
  return testoloc(row, column);
}

}  // namespace Globali
