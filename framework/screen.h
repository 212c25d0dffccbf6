#pragma once
// The main screen: the area windows may use on it (without the desktop's panels and
// docks), in pixels of the desktop. All are 0 when there is no screen.
#include <cstdint>

namespace fw {

int32_t ScreenLeft();
int32_t ScreenWidth();
int32_t ScreenHeight();

// While set, the area is this one instead of the screen's (a dock or panel beside it).
struct ScreenArea {
  int32_t left = 0, top = 0, width = 0, height = 0;
};
ScreenArea AvailableScreenArea();  // the area itself, as the three above read it
void SetScreenAreaForTesting(const ScreenArea* area);  // nullptr: the screen's own again

}  // namespace fw
