#include "window_fixture.h"

#include <sstream>

#include "framework/object.h"
#include "mainwindow/layout/creation_plan.h"
#include "mainwindow/layout/member_classes.h"

namespace fin_main_test {

BuiltWindow& Built() {
  static BuiltWindow* built = [] {
    auto* b = new BuiltWindow;
    b->window = std::make_unique<fin_main::Window>();
    fin_main::layout::SetCreationObserverForTesting(
        [b](const fw::String& step, const fw::Object& member) { b->steps.push_back({step, &member}); });
    b->window->Layout();
    b->window->CreateControls();
    b->window->AddMenuHandlers();
    fin_main::layout::SetCreationObserverForTesting(nullptr);
    // Read back as built: left running, its clock would tick in the middle of later
    // tests, at their fixed clocks, and put a time into the title on a slow machine.
    b->window->Member<fin_main::Timer1>("Timer1").SetEnabled(false);
    return b;
  }();
  return *built;
}

const std::map<std::string, std::vector<int>>& DesignBlobOrder() {
  static const std::map<std::string, std::vector<int>> ids = [] {
    const std::map<std::string, std::string> hex = {
        {"Window", "05 03 04 18 19 1a 1b 10 11 15 16 06 00 07 08 0a 0c 12 0e 0f 17 1c"},
        {"Canvas", "00 01 13 14 15 16 1a 1b 1c 1d 02 12 0e 19 17 24 22 23 25 1f"},
        {"Rectangle", "00 01 13 14 15 16 1a 1b 1c 1d 02 12 0e 19 17 20 21 22 23 1f"},
        {"Oval", "00 01 13 14 15 16 1a 1b 1c 1d 02 12 0e 19 17 20 21 22 1f"},
        {"Line", "00 01 14 13 15 16 20 21 22 23 02 12 24 25 1f"},
        {"StaticText",
         "00 01 13 14 15 16 1a 1b 1c 1d 02 20 22 23 29 17 12 0e 19 24 25 26 27 28 2a 2b 1f"},
        {"EditField",
         "00 01 13 14 15 16 1a 1b 1c 1d 02 22 23 2a 2b 26 25 42 28 29 17 47 12 0e 19 2d 2e 2f "
         "30 31 20 49 24 35 27 45 43 44 1f"},
        {"PushButton", "00 01 13 14 15 16 1a 1b 1c 1d 02 20 21 22 17 12 0e 19 23 24 25 26 27 1f"},
        {"RadioButton", "00 01 13 14 15 16 1a 1b 1c 1d 02 20 17 12 0e 19 22 23 24 25 26 21 1f"},
        {"BevelButton",
         "00 01 13 14 15 16 1a 1b 1c 1d 02 1f 12 0e 19 17 20 21 22 23 25 26 27 28 29 2a 2b 2c "
         "2d 2e 2f 30 31 32"},
        {"Listbox",
         "00 01 13 14 15 16 1a 1b 1c 1d 02 12 0e 19 17 28 29 31 32 30 33 36 37 3a 3b 3c 42 43 "
         "20 21 22 23 24 2a 2c 2d 40 2e 3f 41 38 39 1f"},
        {"ProgressBar", "00 01 13 14 15 16 1a 1b 1c 1d 02 12 0e 19 17 20 21 1f"},
        {"ContextualMenu", "00 01 0f 02"},
        {"Timer", "00 01"},
        {"Thread", "02 00"},
    };
    std::map<std::string, std::vector<int>> out;
    for (const auto& [cls, text] : hex) {
      std::istringstream in(text);
      std::string id;
      while (in >> id) out[cls].push_back(std::stoi(id, nullptr, 16));
    }
    return out;
  }();
  return ids;
}

std::string MemberLabel(const fw::Object& o) {
  if (o.Index == fw::kNoArrayIndex) return o.Name;
  return o.Name + "(" + std::to_string(o.Index) + ")";
}

}  // namespace fin_main_test
