#pragma once
// The two places where the window names today: the today button's caption and the
// week and day-of-year line under the grid. Both follow the language and the change
// of day.
namespace fin_main {
class Window;
namespace diary {

void ShowToday(Window& w);

// Globali.oggi has just become a new day: its note becomes the reminders' note, listed
// afresh (a time that rang yesterday rings again today), and both places name the day.
void TakeNewDay(Window& w);

}  // namespace diary
}  // namespace fin_main
