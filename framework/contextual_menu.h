#pragma once
// A contextual menu filled from code and popped up at the mouse. Action passes the
// chosen row's text. A ContextualMenu is a Control without a place in the window.
#include <functional>
#include <vector>
#include "framework/control.h"

namespace fw {

class ContextualMenu : public Control {
 public:
  ContextualMenu();
  ~ContextualMenu() override;
  String ClassName() const override { return "ContextualMenu"; }

  bool UseCMM() const { return useCMM_; }
  void SetUseCMM(bool v) { useCMM_ = v; }
  bool UseMacCMM() const { return useMacCMM_; }
  void SetUseMacCMM(bool v) { useMacCMM_ = v; }

  void DeleteAllRows();
  void AddRow(const String& text);  // "-" makes a separator
  int32_t ListCount() const { return static_cast<int32_t>(rows_.size()); }
  String List(int32_t row) const;

  // Shows the menu at the mouse and waits for the choice; Action runs with the chosen
  // row's text before Open returns. Nothing is raised when the menu is dismissed.
  void Open();

  std::optional<EventKind> EventKindOf(const String& eventName) const override;

  // Tests answer the menu instead of the user: the handler gets the rows and returns
  // the chosen row, or -1 for none. nullptr restores the real menu.
  using ChoiceHandler = std::function<int32_t(const std::vector<String>& rows)>;
  static void SetChoiceHandlerForTesting(ChoiceHandler handler);

 private:
  std::vector<String> rows_;
  bool useCMM_ = true, useMacCMM_ = true;
};

}  // namespace fw
