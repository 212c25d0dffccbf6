#pragma once
// Control events bound by name. A window binds a handler to one member's event by the
// event's name ("Action", "MouseDown", ...); the control raises it with itself as the
// sender, so one handler can serve a whole control array and read the sender's Index.
//
// Handler forms (the sender always comes first):
//   Action, TextChange, LostFocus, GotFocus, MouseEnter, MouseExit, Change:
//                                  void(Object& sender)
//   MouseDown:                     bool(Object& sender, int32_t x, int32_t y)
//                                  (x, y in the control's own coordinates; true = handled,
//                                  false lets the control handle the click as usual)
//   KeyDown:                       bool(Object& sender, const String& key)
//                                  (runs before the key is applied; true swallows it)
//   SortColumn:                    bool(Object& sender, int32_t column)
//                                  (before the sort; false lets the list sort)
//   CellClick:                     bool(Object& sender, int32_t row, int32_t column,
//                                       int32_t x, int32_t y)   (x, y within the cell)
//   Action of a ContextualMenu:    void(Object& sender, const String& chosenRow)
// MakeEventHandler picks the form from the callable's parameters (and, for a String
// parameter, from its result: bool is KeyDown's form, void the menu's). Every handler
// runs through fw::Guarded, so a failing handler is reported and counts as "false".
#include <cstdint>
#include <functional>
#include <stdexcept>
#include <type_traits>
#include <variant>
#include "framework/object.h"

namespace fw {

using ActionHandler = std::function<void(Object& sender)>;
using MouseHandler = std::function<bool(Object& sender, int32_t x, int32_t y)>;
using KeyHandler = std::function<bool(Object& sender, const String& key)>;
using ColumnHandler = std::function<bool(Object& sender, int32_t column)>;
using CellHandler =
    std::function<bool(Object& sender, int32_t row, int32_t column, int32_t x, int32_t y)>;
using ItemHandler = std::function<void(Object& sender, const String& item)>;

// The alternatives' order is EventKind's order.
using EventHandler =
    std::variant<ActionHandler, MouseHandler, KeyHandler, ColumnHandler, CellHandler, ItemHandler>;
enum class EventKind { Action = 0, Mouse, Key, Column, Cell, Item };
const char* EventKindName(EventKind kind);  // for messages

template <class F>
EventHandler MakeEventHandler(F&& f) {
  if constexpr (std::is_invocable_v<F&, Object&>) {
    return ActionHandler(std::forward<F>(f));
  } else if constexpr (std::is_invocable_v<F&, Object&, int32_t, int32_t, int32_t, int32_t>) {
    return CellHandler(std::forward<F>(f));
  } else if constexpr (std::is_invocable_v<F&, Object&, int32_t, int32_t>) {
    return MouseHandler(std::forward<F>(f));
  } else if constexpr (std::is_invocable_v<F&, Object&, int32_t>) {
    return ColumnHandler(std::forward<F>(f));
  } else if constexpr (std::is_invocable_r_v<bool, F&, Object&, const String&> &&
                       !std::is_void_v<std::invoke_result_t<F&, Object&, const String&>>) {
    return KeyHandler(std::forward<F>(f));
  } else {
    static_assert(std::is_invocable_v<F&, Object&, const String&>, "not an event handler form");
    return ItemHandler(std::forward<F>(f));
  }
}

// A binding that cannot be made: an event the object's class does not have, or a
// handler of the wrong form. The message names the object and the event.
struct EventBindingError : std::runtime_error {
  using std::runtime_error::runtime_error;
  static EventBindingError NoSuchEvent(const Object& obj, const String& className, const String& eventName);
  static EventBindingError WrongForm(const Object& obj, const String& eventName, EventKind kind);
};

// "name" or "name(index)" for messages.
String DescribeObject(const Object& obj);

// While a MouseDown handler runs: whether the click is contextual (the right button).
bool IsContextualClick();
// The command key of the program's vocabulary is Ctrl on Linux. While a KeyDown handler
// runs this is the state that came with that key; otherwise the keyboard's state now.
bool KeyboardCommandKey();
bool KeyboardShiftKey();

}  // namespace fw
