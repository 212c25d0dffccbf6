#pragma once
// The program's one menu bar. The application object and the main window both take
// it from this accessor, so a caption or check mark set through either is seen by both.
#include <memory>
#include "framework/menu.h"

namespace Menu {

// The single menu bar: built with its 47 items on the first call, the same object after.
std::shared_ptr<fw::MenuItem> Menu();

// A new tree with the design's items, captions and shortcuts (what the accessor builds
// once). The program uses only the accessor; tests read the design from a fresh tree.
std::shared_ptr<fw::MenuItem> BuildMenuBar();

}  // namespace Menu
