#include "store/file_formats.h"

namespace Globali::formats {

fw::String YearNotesFileName(int32_t year) { return fw::Str(static_cast<int64_t>(year)) + "n.txt"; }
fw::String YearStylesFileName(int32_t year) { return fw::Str(static_cast<int64_t>(year)) + "f.txt"; }

std::vector<fw::String> LinesOf(const fw::String& text) {
  const fw::String cr = fw::LinesToCR(text);
  std::vector<fw::String> lines(1);
  for (char c : cr) {
    if (c == '\r')
      lines.emplace_back();
    else
      lines.back() += c;
  }
  return lines;
}

fw::String GuardMarker(const fw::String& line, std::string_view marker) {
  return line == marker ? line + " " : line;
}

fw::String OnOneLine(const fw::String& value) {
  fw::String out = fw::LinesToCR(value);
  for (char& c : out)
    if (c == '\r') c = ' ';
  return out;
}

}  // namespace Globali::formats
