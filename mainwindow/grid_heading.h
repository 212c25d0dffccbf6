#pragma once
// The heading over the month grid: the shown month's name in capitals and the year.
namespace fin_main {
class Window;
namespace diary {

// calendario_label = the caption of month button Globali.mese in upper case, a blank
// and the selected day's year (the year itself, whatever the date order).
void ShowGridHeading(Window& w);

}  // namespace diary
}  // namespace fin_main
