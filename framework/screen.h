#pragma once
// The main screen: the area windows may use on it (without the desktop's panels), in
// pixels. Both are 0 when there is no screen.
#include <cstdint>

namespace fw {

int32_t ScreenWidth();
int32_t ScreenHeight();

}  // namespace fw
