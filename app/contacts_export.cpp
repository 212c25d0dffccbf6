#include "app/contacts_export.h"

#include <memory>
#include <optional>

#include "app/app.h"
#include "framework/files.h"
#include "framework/thread.h"
#include "store/file_formats.h"
#include "store/globali.h"

namespace contacts_export {

namespace {
constexpr int32_t kFields = Globali::formats::kContactFields;
constexpr int32_t kItalian = 2;
}  // namespace

fw::String DefaultName(int32_t language) { return language == kItalian ? "contatti.txt" : "contacts.txt"; }

// Yields after each field, so the clock and the reminders keep running through a
// long address book.
fw::String LineOf(int32_t k) {
  fw::String line = Globali::contatto(k, 0);
  for (int32_t j = 1; j < kFields; ++j) {
    line += fw::Chr(9) + Globali::contatto(k, j);
    fw::YieldToNextThread();
  }
  return line;
}

// The stream writes beside the chosen name and renames on Close, so a failure half way
// leaves the file that was there before.
Globali::SaveReport Export() {
  Globali::SaveReport report;
  const std::optional<fw::FolderItem> file = fw::GetSaveFolderItem("text", DefaultName(Globali::lingua));
  if (!file) return report;
  std::unique_ptr<fw::TextOutputStream> out = file->CreateTextFile();
  uint64_t bytes = 0;
  for (int32_t k = 1; k <= Globali::contquanti; ++k) {
    const fw::String line = LineOf(k);
    bytes += line.size() + 1;
    if (out) out->WriteLineAsIs(line);  // a note's CRs stay inside its contact's line
    fw::YieldToNextThread();
  }
  report.Add(*file, out && out->Close(), bytes);
  return report;
}

}  // namespace contacts_export

// A file that could not be written is told, with why.
bool App::_EsportacometestoTuttiicontatti_Action() {
  Globali::TellSaveProblems(contacts_export::Export());
  return false;
}
