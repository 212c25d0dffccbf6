#pragma once
// One main window built the way its accessor builds it (Layout, CreateControls,
// AddMenuHandlers) but without opening it, shared by the construction tests, with
// every creation step recorded.
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "mainwindow/fin_main.h"

namespace fin_main_test {

struct Step {
  std::string step;
  const fw::Object* member;
};

struct BuiltWindow {
  std::unique_ptr<fin_main::Window> window;
  std::vector<Step> steps;
};

// Built on first use.
BuiltWindow& Built();

// The ids of each framework class's blobs in the order the design lists them (by the
// class name of the property table: "Canvas", "Timer", ...).
const std::map<std::string, std::vector<int>>& DesignBlobOrder();

// "name" or "name(index)".
std::string MemberLabel(const fw::Object& o);

}  // namespace fin_main_test
