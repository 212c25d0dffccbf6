#include "dialogs/stampafin.h"

#include <memory>
#include <utility>

#include "dialogs/printed_pages.h"
#include "dialogs/stampafin_design.h"
#include "framework/controls.h"
#include "framework/printing.h"
#include "framework/properties.h"
#include "mainwindow/layout/blob_encoders.h"
#include "store/globali.h"

namespace stampafin {

namespace {

namespace layout = fin_main::layout;

Window*& Current() {
  static Window* current = nullptr;
  return current;
}

// The printer dialog gets no page setup: the printouts are laid out for A4 portrait,
// as the dialog's first line tells the user. The job ends when the page is let go.
void PrintWith(void (*printout)(fw::PrinterGraphics&)) {
  if (std::unique_ptr<fw::PrinterGraphics> page = fw::OpenPrinterDialog()) printout(*page);
}

}  // namespace

void Window::Layout() { fw::_SetProperties(*this, layout::Encode(design::Window())); }

// In creation order: the two lines, the separator, then cancel, contacts and notes.
void Window::CreateControls() {
  for (const layout::StaticTextDesign& d : design::Texts())
    fw::_SetProperties(_AddControl(d.name, std::make_unique<fw::StaticText>()), layout::Encode(d));
  const layout::RectangleDesign separator = design::Separator1();
  fw::_SetProperties(_AddControl(separator.name, std::make_unique<fw::Rectangle>()), layout::Encode(separator));
  const std::pair<layout::PushButtonDesign, void (Window::*)(fw::Object&)> buttons[] = {
      {design::PushButton2(), &Window::PushButton2_Action},
      {design::PushButton3(), &Window::PushButton3_Action},
      {design::PushButton1(), &Window::PushButton1_Action},
  };
  for (const auto& [d, action] : buttons) {
    fw::Object& button = _AddControl(d.name, std::make_unique<fw::PushButton>());
    fw::_SetProperties(button, layout::Encode(d));
    _InstallInstanceEventHandler(button, "Action", [this, a = action](fw::Object& s) { (this->*a)(s); });
  }
}

void Window::Event_Open() {
  SetTitle(Globali::testo(100));
  Member<fw::StaticText>("StaticText1").SetText(Globali::testo(101));
  Member<fw::StaticText>("StaticText2").SetText(Globali::testo(102));
  Member<fw::PushButton>("PushButton1").SetCaption(Globali::testo(103));
  Member<fw::PushButton>("PushButton2").SetCaption(Globali::testo(104));
  Member<fw::PushButton>("PushButton3").SetCaption(Globali::testo(105));
}

void Window::PushButton1_Action(fw::Object&) {
  PrintWith(&PrintShownDays);
  Close();
}

void Window::PushButton3_Action(fw::Object&) {
  PrintWith(&PrintContacts);
  Close();
}

void Window::PushButton2_Action(fw::Object&) { Close(); }

Window& stampafin() {
  // A closed dialog is kept until the next one replaces it: its own button handler is
  // still running when it closes.
  static Window* retired = nullptr;
  Window*& current = Current();
  if (!current || current->IsClosed()) {
    delete retired;
    retired = current;
    current = new Window();
    current->Construct();
  }
  return *current;
}

Window* OpenDialogForTesting() {
  Window* w = Current();
  return w && !w->IsClosed() ? w : nullptr;
}

}  // namespace stampafin
