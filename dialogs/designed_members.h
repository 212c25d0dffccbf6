#pragma once
// Building a dialog's members from their design, in creation order: a member of its
// class under its design name, its design's property blob applied, and its Action
// bound to the window's handler when it has one.
#include <functional>
#include <memory>
#include <vector>

#include "dialogs/check_box_design.h"
#include "framework/properties.h"
#include "framework/window.h"
#include "mainwindow/layout/blob_encoders.h"

namespace dialogs {

template <class W>
using ActionHandler = void (W::*)(fw::Object&);

template <class W>
void BindAction(W& w, fw::Object& member, ActionHandler<W> action) {
  w._InstallInstanceEventHandler(member, "Action", [&w, action](fw::Object& sender) { (w.*action)(sender); });
}

// A member of class M from its design record.
template <class M, class Design>
fw::Object& AddDesigned(fw::Window& w, const Design& d) {
  fw::Object& member = w._AddControl(d.name, std::make_unique<M>());
  fw::_SetProperties(member, Encode(d));  // the encoder beside the record's type
  return member;
}

// The same, with its Action bound to the window's handler.
template <class M, class W, class Design>
fw::Object& AddDesigned(W& w, const Design& d, ActionHandler<W> action) {
  fw::Object& member = AddDesigned<M>(w, d);
  BindAction(w, member, action);
  return member;
}

// A member planned ahead as design data: how to make it, its blob, its handler.
template <class W>
struct ControlPlan {
  fw::String name;
  std::function<std::unique_ptr<fw::Object>()> make;
  fin_main::layout::Blob blob;
  ActionHandler<W> action = nullptr;  // bound to the member's Action
};

template <class T>
std::function<std::unique_ptr<fw::Object>()> Maker() {
  return [] { return std::make_unique<T>(); };
}

template <class W>
void AddPlanned(W& w, const std::vector<ControlPlan<W>>& plans) {
  for (const ControlPlan<W>& c : plans) {
    fw::Object& member = w._AddControl(c.name, c.make());
    fw::_SetProperties(member, c.blob);
    if (c.action) BindAction(w, member, c.action);
  }
}

}  // namespace dialogs
