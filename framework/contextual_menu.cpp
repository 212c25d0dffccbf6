// A contextual menu filled from code.
#include "framework/contextual_menu.h"

#include <QCursor>
#include <QMenu>
#include "framework/control_widget_qt.h"

namespace fw {

namespace {
ContextualMenu::ChoiceHandler choiceForTesting;
std::optional<QPoint> keyboardPlace;
}  // namespace

MenuPlaceContext::MenuPlaceContext(QPoint global) : previous(keyboardPlace) { keyboardPlace = global; }
MenuPlaceContext::~MenuPlaceContext() { keyboardPlace = previous; }

ContextualMenu::ContextualMenu() = default;
ContextualMenu::~ContextualMenu() = default;

void ContextualMenu::SetChoiceHandlerForTesting(ChoiceHandler handler) { choiceForTesting = std::move(handler); }

void ContextualMenu::DeleteAllRows() { rows_.clear(); }
void ContextualMenu::AddRow(const String& text) { rows_.push_back(text); }

String ContextualMenu::List(int32_t row) const {
  return row >= 0 && row < ListCount() ? rows_[static_cast<size_t>(row)] : String();
}

void ContextualMenu::Open() {
  std::vector<String> rows = rows_;  // the handler may refill the menu
  int32_t chosen = -1;
  if (choiceForTesting) {
    chosen = choiceForTesting(rows);
  } else {
    QMenu menu;
    std::vector<QAction*> actions;
    for (const String& r : rows)
      actions.push_back(r == "-" ? menu.addSeparator() : menu.addAction(CaptionText(r)));
    QAction* picked = menu.exec(keyboardPlace.value_or(QCursor::pos()));
    for (size_t i = 0; i < actions.size(); ++i)
      if (actions[i] == picked) chosen = static_cast<int32_t>(i);
  }
  if (chosen < 0 || chosen >= static_cast<int32_t>(rows.size()) || rows[chosen] == "-") return;
  _RaiseItem("Action", rows[static_cast<size_t>(chosen)]);
}

std::optional<EventKind> ContextualMenu::EventKindOf(const String& e) const {
  if (e == "Action") return EventKind::Item;
  return Control::EventKindOf(e);
}

}  // namespace fw
