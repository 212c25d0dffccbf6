#include "store/file_formats.h"

#include <algorithm>

namespace Globali::formats {

fw::String YearNotesFileName(int32_t year) { return fw::Str(static_cast<int64_t>(year)) + "n.txt"; }
fw::String YearStylesFileName(int32_t year) { return fw::Str(static_cast<int64_t>(year)) + "f.txt"; }

// Each line is cut out whole between its breaks: a year's notes and the contacts'
// notes pass through here at every save.
std::vector<fw::String> LinesOf(const fw::String& text) {
  std::vector<fw::String> lines;
  // The next CR and the next LF, each sought again only once passed.
  size_t cr = text.find('\r'), lf = text.find('\n');
  for (size_t from = 0;;) {
    if (cr < from) cr = text.find('\r', from);
    if (lf < from) lf = text.find('\n', from);
    const size_t end = std::min(cr, lf);
    if (end == fw::String::npos) {
      lines.emplace_back(text, from, fw::String::npos);
      return lines;
    }
    lines.emplace_back(text, from, end - from);
    from = end == cr && lf == cr + 1 ? end + 2 : end + 1;
  }
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
