#pragma once
// The about window's design: the window, its six texts in creation order, and the
// addresses its two links open.
#include <vector>

#include "mainwindow/layout/design_records.h"

namespace info::design {

namespace records = fin_main::layout;

records::WindowDesign Window();
std::vector<records::StaticTextDesign> Texts();

inline constexpr char kWebPage[] = "http://www.velqora.example";
inline constexpr char kMail[] = "mailto:info@velqora.example";

}  // namespace info::design
