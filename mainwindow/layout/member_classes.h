#pragma once
// The main window's own member classes. Each control array has a class of its own on
// a framework control, so that a handler can tell which array an element belongs to;
// an element is built with its array index. The timer and the two alarm threads have
// classes that tie them to their window (owner window and index).
#include <cstdint>
#include "dialogs/alarm_check.h"
#include "dialogs/alarm_scan.h"
#include "framework/controls.h"
#include "framework/thread.h"
#include "framework/timer.h"
#include "framework/window.h"

namespace fin_main {

// An element of a control array: its Index is its array index from construction on.
// (The design's parameterless constructor is never called and is left out.)
template <class Base>
class ArrayElement : public Base {
 public:
  explicit ArrayElement(int32_t index) { this->Index = index; }
};

class RadioBlingua : public ArrayElement<fw::RadioButton> {
 public:
  using ArrayElement::ArrayElement;
  fw::String ClassName() const override { return "fin_main.RadioBlingua"; }
};

class nota_campo : public ArrayElement<fw::EditField> {
 public:
  using ArrayElement::ArrayElement;
  fw::String ClassName() const override { return "fin_main.nota_campo"; }
};

class day_testo : public ArrayElement<fw::StaticText> {
 public:
  using ArrayElement::ArrayElement;
  fw::String ClassName() const override { return "fin_main.day_testo"; }
};

class mese_scegli : public ArrayElement<fw::BevelButton> {
 public:
  using ArrayElement::ArrayElement;
  fw::String ClassName() const override { return "fin_main.mese_scegli"; }
};

class statex : public ArrayElement<fw::StaticText> {
 public:
  using ArrayElement::ArrayElement;
  fw::String ClassName() const override { return "fin_main.statex"; }
};

class Canvasic : public ArrayElement<fw::Canvas> {
 public:
  using ArrayElement::ArrayElement;
  fw::String ClassName() const override { return "fin_main.Canvasic"; }
};

class Canvalingua : public ArrayElement<fw::Canvas> {
 public:
  using ArrayElement::ArrayElement;
  fw::String ClassName() const override { return "fin_main.Canvalingua"; }
};

class segnanota : public ArrayElement<fw::Oval> {
 public:
  using ArrayElement::ArrayElement;
  fw::String ClassName() const override { return "fin_main.segnanota"; }
};

class cal_day : public ArrayElement<fw::StaticText> {
 public:
  using ArrayElement::ArrayElement;
  fw::String ClassName() const override { return "fin_main.cal_day"; }
};

class contatto_campo : public ArrayElement<fw::EditField> {
 public:
  using ArrayElement::ArrayElement;
  fw::String ClassName() const override { return "fin_main.contatto_campo"; }
};

// The two-second tick; its Action is bound to the window's Timer1_Action.
class Timer1 : public fw::Timer, public fw::PaneChild {
 public:
  fw::String ClassName() const override { return "fin_main.Timer1"; }
};

// The alarm scan of today's note (started at start-up, on an edit of today's note and
// on a new day).
class trovasveglia : public trovas, public fw::PaneChild {
 public:
  fw::String ClassName() const override { return "fin_main.trovasveglia"; }
};

// The alarm check against the clock (started on each tick while today has a note).
class timerizza : public timeriz, public fw::PaneChild {
 public:
  fw::String ClassName() const override { return "fin_main.timerizza"; }
};

}  // namespace fin_main
