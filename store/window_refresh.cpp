#include "store/window_refresh.h"

#include "framework/listbox.h"
#include "framework/static_text.h"
#include "framework/thread.h"
#include "mainwindow/fin_main.h"
#include "store/globali.h"

namespace Globali::window {

namespace {

std::function<void(const fw::String&)>& Observer() {
  static std::function<void(const fw::String&)> observer;
  return observer;
}

// True when a test takes the call instead of the window.
bool Observed(const fw::String& what) {
  if (!Observer()) return false;
  Observer()(what);
  return true;
}

fw::Listbox& ContactList() { return fin_main::fin_main().Member<fw::Listbox>("ListBox1"); }

}  // namespace

void setMonthLabel(const fw::String& text) {
  if (Observed("mese_label " + text)) return;
  fin_main::fin_main().Member<fw::StaticText>("mese_label").SetText(text);
}

void rebuildMonthAndPanel() {
  if (!Observed("creamese")) fin_main::fin_main().creamese();
  if (!Observed("aggiorni")) fin_main::fin_main().aggiorni();
}

void showLoadedNotes() {
  setMonthLabel(calendarHeading());
  rebuildMonthAndPanel();
}

void refillContactList() {
  if (Observed("ListBox1 refill")) return;
  fw::Listbox& list = ContactList();
  list.DeleteAllRows();
  for (int32_t c = 1; c <= contquanti; ++c) {
    list.AddRow(contatto(c, 0));
    for (int32_t f = 1; f <= 9; ++f) list.SetCell(c - 1, f, contatto(c, f));
    fw::YieldToNextThread();
  }
}

void removeContactRow(int32_t row) {
  if (Observed("ListBox1 remove " + fw::Str(static_cast<int64_t>(row)))) return;
  ContactList().RemoveRow(row);
}

void showCurrentContact() {
  if (!Observed("apparecchia")) fin_main::fin_main().apparecchia();
}

void SetRefreshObserverForTesting(std::function<void(const fw::String&)> observer) {
  Observer() = std::move(observer);
}

}  // namespace Globali::window
