#include "dialogs/conferma.h"

#include <memory>
#include <utility>

#include "dialogs/conferma_design.h"
#include "framework/controls.h"
#include "framework/properties.h"
#include "mainwindow/fin_main.h"
#include "mainwindow/layout/blob_encoders.h"
#include "store/contact_list_switch.h"
#include "store/globali.h"

namespace conferma {

namespace {

namespace layout = fin_main::layout;

// Text rows of the two wordings.
struct Wording {
  int32_t question, where, proceed;
};
constexpr Wording kDelete{93, 94, 95};
constexpr Wording kRestore{96, 97, 98};

// Restoring reloads from disk; everything else deletes from memory.
const Wording& WordingOf(int32_t code) { return code >= 4 && code <= 6 ? kRestore : kDelete; }

Window*& Current() {
  static Window* current = nullptr;
  return current;
}

}  // namespace

void Window::Layout() { fw::_SetProperties(*this, layout::Encode(design::Window())); }

// In creation order: the four lines, then cancel and proceed.
void Window::CreateControls() {
  for (const layout::StaticTextDesign& d : design::Texts())
    fw::_SetProperties(_AddControl(d.name, std::make_unique<fw::StaticText>()), layout::Encode(d));
  const std::pair<layout::PushButtonDesign, void (Window::*)(fw::Object&)> buttons[] = {
      {design::PushButton2(), &Window::PushButton2_Action},
      {design::PushButton1(), &Window::PushButton1_Action},
  };
  for (const auto& [d, action] : buttons) {
    fw::Object& button = _AddControl(d.name, std::make_unique<fw::PushButton>());
    fw::_SetProperties(button, layout::Encode(d));
    _InstallInstanceEventHandler(button, "Action", [this, a = action](fw::Object& s) { (this->*a)(s); });
  }
}

void Window::Event_Open() { Reword(); }

void Window::Reword() {
  const Wording& w = WordingOf(Globali::ok);
  SetTitle(Globali::testo(91));
  Member<fw::StaticText>("StaticText1").SetText(Globali::testo(92));
  Member<fw::StaticText>("StaticText2").SetText(Globali::testo(w.question));
  Member<fw::StaticText>("StaticText3").SetText(Globali::testo(w.where));
  Member<fw::PushButton>("PushButton1").SetCaption(Globali::testo(w.proceed));
  Member<fw::PushButton>("PushButton2").SetCaption(Globali::testo(99));
}

// The dialog goes first, so the main window is refreshed with nothing in front of it.
void Window::PushButton1_Action(fw::Object&) {
  conferma().Close();
  const int32_t code = Globali::ok;
  if (code == 1 || code == 2) Globali::eliminanote();
  if (code == 1 || code == 3) Globali::eliminacontatti();
  if (code == 4 || code == 5) {
    Globali::ripristinanote();
    fin_main::fin_main().Member<fw::StaticText>("mese_label").SetText(Globali::calendarHeading());
    fin_main::fin_main().creamese();
    fin_main::fin_main().aggiorni();
  }
  if (code == 4 || code == 6) Globali::ripristinacontatti();
  if (code == 7) {
    // The list may have been sorted while the question was up.
    Globali::takeOverListOrderKeepingCard();
    Globali::cancellauncontatto();
  }
}

void Window::PushButton2_Action(fw::Object&) { conferma().Close(); }

Window& conferma() {
  // A closed dialog is kept until the next one replaces it: its own proceed handler
  // is still running when it closes.
  static Window* retired = nullptr;
  Window*& current = Current();
  if (!current || current->IsClosed()) {
    delete retired;
    retired = current;
    current = new Window();
    current->Construct();
  } else if (current->HasOpened()) {
    // The main window stays usable behind the dialog, so another command may have
    // stored its own code while this question was up.
    current->Reword();
  }
  return *current;
}

Window* OpenDialogForTesting() {
  Window* w = Current();
  return w && !w->IsClosed() ? w : nullptr;
}

}  // namespace conferma
