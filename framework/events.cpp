// Event forms, sender descriptions and the state that accompanies a dispatched event.
#include "framework/events.h"

#include <QGuiApplication>
#include "framework/control_widget_qt.h"

namespace fw {

namespace {
// Set only while an event is dispatched on the user-interface thread.
bool contextualClick = false;
// -1: no key event is being dispatched; else bit 0 command, bit 1 shift.
int keyModifiers = -1;
}  // namespace

const char* EventKindName(EventKind kind) {
  switch (kind) {
    case EventKind::Action: return "void(sender)";
    case EventKind::Mouse: return "bool(sender, x, y)";
    case EventKind::Key: return "bool(sender, key)";
    case EventKind::Column: return "bool(sender, column)";
    case EventKind::Cell: return "bool(sender, row, column, x, y)";
    case EventKind::Item: return "void(sender, item)";
  }
  return "?";
}

EventBindingError EventBindingError::NoSuchEvent(const Object& obj, const String& className,
                                                 const String& eventName) {
  return EventBindingError(DescribeObject(obj) + " (" + className + ") has no event \"" + eventName + "\"");
}

EventBindingError EventBindingError::WrongForm(const Object& obj, const String& eventName, EventKind kind) {
  return EventBindingError("the handler bound to " + DescribeObject(obj) + "." + eventName + " must have the form " +
                           EventKindName(kind));
}

String DescribeObject(const Object& obj) {
  String name = obj.Name.empty() ? "<unnamed " + obj.ClassName() + ">" : obj.Name;
  if (obj.Index != kNoArrayIndex) name += "(" + std::to_string(obj.Index) + ")";
  return name;
}

ClickContext::ClickContext(bool contextual) : previous(contextualClick) {
  contextualClick = contextual;
}
ClickContext::~ClickContext() { contextualClick = previous; }

KeyContext::KeyContext(bool command, bool shift) : previous(keyModifiers) {
  keyModifiers = (command ? 1 : 0) | (shift ? 2 : 0);
}
KeyContext::~KeyContext() { keyModifiers = previous; }

bool IsContextualClick() { return contextualClick; }

bool KeyboardCommandKey() {
  if (keyModifiers >= 0) return keyModifiers & 1;
  return QGuiApplication::queryKeyboardModifiers() & Qt::ControlModifier;
}

bool KeyboardShiftKey() {
  if (keyModifiers >= 0) return keyModifiers & 2;
  return QGuiApplication::queryKeyboardModifiers() & Qt::ShiftModifier;
}

}  // namespace fw
