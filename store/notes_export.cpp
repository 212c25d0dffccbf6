#include "store/notes_export.h"

#include <vector>

#include "framework/date.h"
#include "framework/files.h"
#include "framework/thread.h"
#include "store/file_formats.h"
#include "store/globali.h"
#include "store/text_files.h"

namespace Globali {

namespace {

constexpr int64_t kSecondsPerDay = 24 * 60 * 60;

int64_t DayNumber(const fw::Date& d) {
  const fw::Date midnight(d.Year(), d.Month(), d.Day());
  return midnight.TotalSeconds() / kSecondsPerDay;
}

// The year of the selected day; the loaded year when the day text does not parse.
int32_t YearToWalk() {
  fw::Date selected(annoload, 1, 1);
  return fw::ParseDate(punta, selected) ? selected.Year() : annoload;
}

std::vector<fw::String> ExportLines(bool all) {
  const int32_t year = YearToWalk();
  const int64_t today = DayNumber(oggi);
  std::vector<fw::String> lines;
  bisestile = fw::IsLeapYear(year) ? 1 : 0;
  for (int32_t month = 1; month <= 12; ++month) {
    const int32_t length = fw::DaysInMonth(year, month);
    for (int32_t day = 1; day <= length; ++day) {
      const fw::Date date(year, month, day);
      const int64_t offset = DayNumber(date) - today;
      const fw::String& note = nota(day, month);
      if ((all || (offset >= 0 && offset <= 7)) && !note.empty()) {
        lines.push_back(date.LongDate());
        for (const fw::String& line : formats::LinesOf(note + "\r")) lines.push_back(line);
      }
      fw::YieldToNextThread();
    }
    fw::YieldToNextThread();
  }
  return lines;
}

}  // namespace

SaveReport esportanote(bool all) {
  const fw::String defaultName = lingua == 2 ? "note.txt" : "notes.txt";
  const std::optional<fw::FolderItem> file = fw::GetSaveFolderItem("text", defaultName);
  SaveReport report;
  if (!file) return report;
  const std::vector<fw::String> lines = ExportLines(all);
  report.Add(*file, textfiles::WriteLines(*file, lines), textfiles::BytesOf(lines));
  return report;
}

}  // namespace Globali
