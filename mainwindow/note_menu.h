#pragma once
// The note's contextual menu, refilled from one comma-separated text of rows: with
// the plain rows when the language changes, with the clicked day's row added on a
// right click.
#include "framework/text.h"

namespace fin_main {
class Window;

void FillNoteMenu(Window& w, const fw::String& rows);

}  // namespace fin_main
