#pragma once
// The small analog clock beside the title: the 103 x 103 face at Globali.oraattuale,
// scaled into the 42 x 42 canvas.
namespace fin_main {
class Window;

void DrawSmallClock(Window& w);

}  // namespace fin_main
