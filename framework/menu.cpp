// The menu tree model; the on-screen menu bar listens to it.
#include "framework/menu.h"

#include <algorithm>

namespace fw {

MenuItem::~MenuItem() = default;

void MenuItem::SetText(const String& t) {
  if (text_ == t) return;
  text_ = t;
  Changed();
}

void MenuItem::SetKeyboardShortcut(const String& s) {
  if (shortcut_ == s) return;
  shortcut_ = s;
  Changed();
}

void MenuItem::SetChecked(bool on) {
  if (checked_ == on) return;
  checked_ = on;
  Changed();
}

void MenuItem::SetEnabled(bool on) {
  if (enabled_ == on) return;
  enabled_ = on;
  Changed();
}

void MenuItem::Append(std::shared_ptr<MenuItem> child) {
  // An item lives in one place only; appending an ancestor would make a cycle.
  if (!child || child->parent_) return;
  for (MenuItem* p = this; p; p = p->parent_)
    if (p == child.get()) return;
  child->parent_ = this;
  children_.push_back(std::move(child));
  Changed();
}

MenuItem* MenuItem::Item(int i) const {
  if (i < 0 || i >= Count()) return nullptr;
  return children_[static_cast<size_t>(i)].get();
}

MenuItem* MenuItem::Child(const String& name) const {
  for (const auto& c : children_)
    if (c->name_ == name) return c.get();
  return nullptr;
}

MenuItem* MenuItem::Find(const String& name) {
  if (name_ == name) return this;
  for (const auto& c : children_)
    if (MenuItem* found = c->Find(name)) return found;
  return nullptr;
}

int MenuItem::AddListener(Listener l) {
  int id = nextListener_++;
  listeners_.emplace_back(id, std::move(l));
  return id;
}

void MenuItem::RemoveListener(int id) {
  std::erase_if(listeners_, [id](const auto& p) { return p.first == id; });
}

void MenuItem::Changed() { Notify(*this); }

// Observers of an ancestor (the menu bar drawn from the root) hear about changes deep
// in the tree without registering on every item.
void MenuItem::Notify(MenuItem& changed) {
  auto copy = listeners_;  // a listener may remove itself
  for (auto& [id, l] : copy) l(changed);
  if (parent_) parent_->Notify(changed);
}

}  // namespace fw
