#include "framework/ibus_replacement.h"

#include <QByteArrayList>
#include <QtGlobal>

namespace fw {

namespace {

// The toolkit takes its input method from this variable, the first that loads of those
// it names.
bool InputMethodIsIBus() { return qgetenv("QT_IM_MODULE").split(';').value(0).trimmed() == "ibus"; }

}  // namespace

std::pair<int, int> ReplacementAsEditorsCount(int from, int length, int caret, int selectionStart, int selectionEnd) {
  if (selectionStart == selectionEnd || length <= 0 || !InputMethodIsIBus()) return {from, length};
  // Where a position before the selection is gone stands once it is; one within it
  // stands at its start.
  const auto afterRemoval = [&](int at) {
    if (at <= selectionStart) return at;
    return at >= selectionEnd ? at - (selectionEnd - selectionStart) : selectionStart;
  };
  const int start = afterRemoval(caret + from);
  const int end = afterRemoval(caret + from + length);
  return {start - selectionStart, end - start};
}

}  // namespace fw
