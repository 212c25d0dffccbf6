#pragma once
// The two places where the window names today: the today button's caption and the
// week and day-of-year line under the grid. Both follow the language and the change
// of day.
namespace fin_main {
class Window;
namespace diary {

void ShowToday(Window& w);

}  // namespace diary
}  // namespace fin_main
