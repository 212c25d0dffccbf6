#pragma once
// Small readings of the main window's diary shared by its tests.
#include <vector>

#include "framework/controls.h"
#include "support/main_window_fixture.h"

namespace diarytest {

// The fixture under a name that says what the tests drive.
class Diary : public testsupport::MainWindowFixture {
 protected:
  // The visible day cells, in cell order.
  std::vector<int> VisibleCells() const {
    std::vector<int> cells;
    for (int k = 0; k < 42; ++k)
      if (DayCell(k).Visible()) cells.push_back(k);
    return cells;
  }
  // The cell showing `day`, or -1.
  int CellOf(int day) const {
    for (int k = 0; k < 42; ++k)
      if (DayCell(k).Visible() && DayCell(k).Text() == fw::Str(int64_t{day})) return k;
    return -1;
  }
  fw::Oval& Marker(int cell) const { return Member<fw::Oval>("segnanota", cell); }
  fw::StaticText& PanelText(int index) const { return Member<fw::StaticText>("day_testo", index); }
  fw::StaticText& Label(const char* name) const { return Member<fw::StaticText>(name); }
  fw::PushButton& Button(const char* name) const { return Member<fw::PushButton>(name); }
  fw::BevelButton& MonthButton(int month) const { return Member<fw::BevelButton>("mese_scegli", month); }
};

}  // namespace diarytest
