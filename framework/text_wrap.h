#pragma once
// A text broken into the lines it takes when drawn in a given width, for drawing a
// text into a frame (a printed day's note).
#include <cstddef>
#include <limits>
#include <vector>

#include "framework/graphics.h"

namespace fw {

// The first `maxLines` lines of `text` drawn with g's font (TextFont, TextSize, Bold,
// Italic) in `width`: every line break (CR, LF or CRLF) starts a line, and a line wider
// than `width` breaks after the last blank that fits, or inside a word wider than
// `width` on its own. The blanks at a break are left out; an empty line stays "".
std::vector<String> WrapText(Graphics& g, const String& text, int width,
                             size_t maxLines = std::numeric_limits<size_t>::max());

}  // namespace fw
