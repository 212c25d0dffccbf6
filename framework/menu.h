#pragma once
// The menu tree. The model is the single truth: the window's menu bar on screen is
// drawn from it and follows every change (caption, check mark, enabled state).
//
// Enabling follows the original framework's rule: before a menu shows (and before a
// shortcut is taken) every item is reset to its AutoEnable flag, menu titles and
// submenus are enabled, the focused text field enables the editing items it can act
// on, and then the application's EnableMenuItems event enables what it wants (see
// Application::UpdateMenuItems).
#include <functional>
#include <memory>
#include <vector>
#include "framework/text.h"

namespace fw {

class MenuItem {
 public:
  MenuItem() = default;
  virtual ~MenuItem();
  virtual String ClassName() const { return "MenuItem"; }

  String Name() const { return name_; }
  void SetName(const String& n) { name_ = n; }
  String Text() const { return text_; }  // "-" makes a separator
  void SetText(const String& t);
  // "Cmd+X" in the program's vocabulary; shown and taken as Ctrl+X. "" for none.
  String KeyboardShortcut() const { return shortcut_; }
  void SetKeyboardShortcut(const String& s);
  bool AutoEnable() const { return autoEnable_; }
  void SetAutoEnable(bool on) { autoEnable_ = on; }
  bool Checked() const { return checked_; }
  void SetChecked(bool on);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool on);
  void Enable() { SetEnabled(true); }
  bool IsSeparator() const { return text_ == "-"; }

  void Append(std::shared_ptr<MenuItem> child);
  int Count() const { return static_cast<int>(children_.size()); }
  MenuItem* Item(int i) const;       // 0-based
  MenuItem* Child(const String& name) const;  // a direct child by name
  MenuItem* Find(const String& name);         // this item or any below it, by name
  MenuItem* Parent() const { return parent_; }
  // Expires when this item is destroyed, so an observer that may outlive the tree
  // knows whether it can still unregister.
  std::weak_ptr<const int> LifetimeToken() const { return lifetime_; }

  // Observers (the on-screen menu bar) hear about every change of this item and of any
  // item below it; the argument is the item that changed.
  using Listener = std::function<void(MenuItem&)>;
  int AddListener(Listener l);
  void RemoveListener(int id);

 private:
  void Changed();
  void Notify(MenuItem& changed);
  std::shared_ptr<const int> lifetime_ = std::make_shared<const int>(0);
  String name_, text_, shortcut_;
  bool autoEnable_ = true, checked_ = false, enabled_ = true;
  std::vector<std::shared_ptr<MenuItem>> children_;
  MenuItem* parent_ = nullptr;
  std::vector<std::pair<int, Listener>> listeners_;
  int nextListener_ = 1;
};

// The root of a menu bar: its children are the menu titles.
class MenuBar : public MenuItem {
 public:
  String ClassName() const override { return "MenuBar"; }
};

// The items that desktops place specially (the about item, preferences, quit).
class AppleMenuItem : public MenuItem {
 public:
  String ClassName() const override { return "AppleMenuItem"; }
};
class PrefsMenuItem : public MenuItem {
 public:
  String ClassName() const override { return "PrefsMenuItem"; }
};
class QuitMenuItem : public MenuItem {
 public:
  String ClassName() const override { return "QuitMenuItem"; }
};

}  // namespace fw
