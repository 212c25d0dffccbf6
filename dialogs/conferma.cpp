#include "dialogs/conferma.h"

#include "dialogs/conferma_design.h"
#include "dialogs/designed_members.h"
#include "framework/controls.h"
#include "framework/properties.h"
#include "framework/window_instance.h"
#include "mainwindow/layout/blob_encoders.h"
#include "store/contact_list_switch.h"
#include "store/globali.h"
#include "store/window_refresh.h"

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

}  // namespace

void Window::Layout() { fw::_SetProperties(*this, layout::Encode(design::Window())); }

// In creation order: the four lines, then cancel and proceed.
void Window::CreateControls() {
  for (const layout::StaticTextDesign& d : design::Texts()) dialogs::AddDesigned<fw::StaticText>(*this, d);
  dialogs::AddDesigned<fw::PushButton>(*this, design::PushButton2(), &Window::PushButton2_Action);
  dialogs::AddDesigned<fw::PushButton>(*this, design::PushButton1(), &Window::PushButton1_Action);
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
    Globali::window::showLoadedNotes();
  }
  if (code == 4 || code == 6) Globali::ripristinacontatti();
  if (code == 7) {
    // The list may have been sorted while the question was up.
    Globali::takeOverListOrderKeepingCard();
    Globali::cancellauncontatto();
  }
}

void Window::PushButton2_Action(fw::Object&) { conferma().Close(); }

using Instance = fw::SingleWindow<Window>;

Window& conferma() {
  // Code may ask again while the question is up (the user cannot: the dialog is
  // modal); the open dialog then takes the wording of the code stored now.
  if (Window* open = Instance::Open(); open && open->HasOpened()) {
    open->Reword();
    return *open;
  }
  return Instance::Get();
}

Window* OpenDialogForTesting() { return Instance::Open(); }

}  // namespace conferma
