#pragma once
// IBus engines count the text they replace around the caret as GTK does: in the text
// with the selection still in it, from the caret at either end of it (Mozc takes a
// selected word away so to reconvert it). The toolkit's editors take the selection
// away first and count from where that leaves the caret, and its IBus plugin passes
// the engine's range on as it came, so the text before the word would go with it.
#include <string_view>
#include <utility>

namespace fw {

// Whether the toolkit takes its IBus plugin for the input method named (QT_IM_MODULE):
// it reads the name up to a colon, where the plugin's parameters start, in any case. A
// list ("ibus;compose") names no plugin here, and the toolkit takes its plain input.
bool NamesTheIBusPlugin(std::string_view method);

// The range `length` UTF-16 units `from` the caret, as the input method in use meant
// it, counted as the toolkit's editors take it: from the start of the selection
// [selectionStart, selectionEnd) once that is gone. The same range where the method
// is not IBus, where nothing is selected, or where the range is empty.
std::pair<int, int> ReplacementAsEditorsCount(int from, int length, int caret, int selectionStart, int selectionEnd);

}  // namespace fw
