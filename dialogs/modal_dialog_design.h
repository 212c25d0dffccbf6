#pragma once
// The window design the small modal dialogs share: movable but not closable from its
// frame (each dialog has its own way out), with no menu bar and the system's colour.
#include <cstdint>

#include "mainwindow/layout/design_records.h"

namespace dialogs::design {

inline fin_main::layout::WindowDesign ModalDialog(int32_t width, int32_t height, const char* title) {
  return {.width = width,
          .height = height,
          .minHeight = 64,
          .frame = 1,  // movable modal dialog
          .hasBackColor = false,
          .title = title,
          .menuBarVisible = false,
          .closeButton = false,
          .minimizeButton = false};
}

}  // namespace dialogs::design
