#include "dialogs/stampafin.h"

#include <memory>

#include "dialogs/designed_members.h"
#include "dialogs/printed_pages.h"
#include "dialogs/stampafin_design.h"
#include "framework/controls.h"
#include "framework/devices.h"
#include "framework/printing.h"
#include "framework/properties.h"
#include "framework/window_instance.h"
#include "mainwindow/layout/blob_encoders.h"
#include "resources/texttable.h"
#include "store/globali.h"

namespace stampafin {

namespace {

namespace layout = fin_main::layout;

// The printer dialog gets no page setup: the printouts are laid out for A4 portrait,
// as the dialog's first line tells the user. A PDF file that could not be written is
// told by its full path, and a printer that did not take the job by its name and the
// reason, so the user can mend it or print again elsewhere. So is a print server that
// does not answer, before the dialog opens offering a file only.
void PrintWith(void (*printout)(fw::PrinterGraphics&)) {
  std::unique_ptr<fw::PrinterGraphics> page = fw::OpenPrinterDialog(nullptr, &TellSilentPrintServer);
  if (!page) return;
  printout(*page);
  if (page->Finish()) return;
  if (!page->Refusal().empty())
    fw::MsgBox(resources::Filled(resources::kCouldNotPrintMessage, {page->PrinterName(), page->Refusal()}));
  else
    fw::MsgBox(resources::Filled(resources::kCouldNotSaveMessage, {page->OutputFile()}));
}

}  // namespace

void Window::Layout() { fw::_SetProperties(*this, layout::Encode(design::Window())); }

// In creation order: the two lines, the separator, then cancel, contacts and notes.
void Window::CreateControls() {
  for (const layout::StaticTextDesign& d : design::Texts()) dialogs::AddDesigned<fw::StaticText>(*this, d);
  dialogs::AddDesigned<fw::Rectangle>(*this, design::Separator1());
  dialogs::AddDesigned<fw::PushButton>(*this, design::PushButton2(), &Window::PushButton2_Action);
  dialogs::AddDesigned<fw::PushButton>(*this, design::PushButton3(), &Window::PushButton3_Action);
  dialogs::AddDesigned<fw::PushButton>(*this, design::PushButton1(), &Window::PushButton1_Action);
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

void TellSilentPrintServer(const fw::String& server) {
  fw::MsgBox(resources::Filled(resources::kCouldNotPrintMessage, {server, resources::kSilentPrintServerReason}));
}

Window& stampafin() { return fw::SingleWindow<Window>::Get(); }

Window* OpenDialogForTesting() { return fw::SingleWindow<Window>::Open(); }

}  // namespace stampafin
