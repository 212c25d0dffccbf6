#pragma once
// Light texts go on a dark window: one that has a colour of its own whose components
// add up to less than 381.
#include "framework/window.h"

namespace fin_main {

inline bool IsDarkWindow(const fw::Window& w) {
  const fw::Color c = w.BackColor();
  return w.HasBackColor() && int{c.r} + int{c.g} + int{c.b} < 381;
}

}  // namespace fin_main
