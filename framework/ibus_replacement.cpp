#include "framework/ibus_replacement.h"

#include <QByteArray>
#include <QtGlobal>

#include <algorithm>
#include <cctype>

namespace fw {

namespace {

bool InputMethodIsIBus() { return NamesTheIBusPlugin(qgetenv("QT_IM_MODULE").toStdString()); }

}  // namespace

bool NamesTheIBusPlugin(std::string_view method) {
  method = method.substr(0, method.find(':'));
  return method.size() == 4 && std::equal(method.begin(), method.end(), "ibus", [](char a, char b) {
           return std::tolower(static_cast<unsigned char>(a)) == b;
         });
}

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
