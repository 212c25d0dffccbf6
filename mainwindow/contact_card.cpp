// The contact card: one contact of the address book in ten fields, with a counter, the
// buttons to move, add and delete, the two links and the notes' time stamp. Every
// edit goes at once into the contact table and into the contact list's row.
#include <algorithm>
#include <initializer_list>

#include "dialogs/conferma.h"
#include "framework/controls.h"
#include "framework/date.h"
#include "framework/devices.h"
#include "framework/thread.h"
#include "mainwindow/fin_main.h"
#include "mainwindow/select_all.h"
#include "store/contact_list_switch.h"
#include "store/file_formats.h"
#include "store/globali.h"

namespace fin_main {

namespace {

constexpr int32_t kFields = Globali::formats::kContactFields;
constexpr int32_t kMailLink = 6, kWebLink = 7, kNotesIcon = 8;  // label / icon indices
constexpr int32_t kMailField = 7, kWebField = 8, kNotesField = 9;

bool ShowsAContact() { return Globali::contpunta >= 1 && Globali::contpunta <= Globali::contquanti; }

// The address as the user wrote it, with the scheme in front unless it already has
// one: "www.example.org" and "http://www.example.org" both open the same page.
fw::String WithScheme(const fw::String& address, std::initializer_list<const char*> schemes) {
  for (const char* scheme : schemes)
    if (fw::Lowercase(fw::Left(address, fw::Len(scheme))) == scheme) return address;
  return fw::String(*schemes.begin()) + address;
}

}  // namespace

void Window::apparecchia() {
  using namespace Globali;
  // The buttons never let contpunta leave the contacts; should anything else, the card
  // shows the nearest one rather than reading outside the table.
  if (contquanti >= 1) contpunta = std::clamp(contpunta, int32_t{1}, contquanti);
  const fw::String prefix = testo(74) + "   ";
  for (int32_t k = 0; k < kFields; ++k) {
    auto& field = Member<fw::EditField>("contatto_campo", k);
    if (ShowsAContact()) field.SetText(contatto(contpunta, k));  // as it is: a note may be megabytes long
    else field.SetText("");
    fw::YieldToNextThread();
  }
  Member<fw::StaticText>("contatti_label")
      .SetText(prefix + fw::Str(int64_t{contpunta}) + " / " + fw::Str(int64_t{contquanti}));
  // The first contact stays: the address book is never left empty from the card.
  Member<fw::PushButton>("bott_prec").SetEnabled(contpunta != 1);
  Member<fw::PushButton>("bott_elim").SetEnabled(contpunta != 1);
  Member<fw::PushButton>("bott_succ").SetEnabled(contpunta != contquanti);
}

void Window::bott_prec_Action(fw::Object&) {
  --Globali::contpunta;
  apparecchia();
}

void Window::bott_succ_Action(fw::Object&) {
  ++Globali::contpunta;
  apparecchia();
}

void Window::bott_crea_Action(fw::Object&) {
  using namespace Globali;
  ++contquanti;
  contpunta = contquanti;
  contatto.Redim(contquanti, kFields - 1);
  for (int32_t k = 0; k < kFields; ++k) {
    contatto(contpunta, k) = "";
    fw::YieldToNextThread();
  }
  Member<fw::Listbox>("ListBox1").AddRow("");
  apparecchia();
  // The button leaves the keyboard where it was: the name typed next went on into the
  // day's note or the field of the other contact the user had been in.
  Member<fw::EditField>("contatto_campo", 0).SetFocus();
}

void Window::bott_elim_Action(fw::Object&) {
  // A sorted list no longer holds the contact's row at its number.
  Globali::takeOverListOrderKeepingCard();
  if (!Globali::pref_warning) {
    Globali::cancellauncontatto();
    return;
  }
  Globali::ok = 7;
  conferma::conferma();
  conferma::conferma().Member<fw::StaticText>("staticosa").SetText(Globali::testo(85));
}

void Window::contatto_campo_TextChange(fw::Object& sender) {
  const int32_t k = sender.Index;
  if (k < 0 || k >= kFields) return;
  Globali::takeOverListOrderKeepingCard();
  // Before any contact is loaded the card has nothing to write to.
  if (!ShowsAContact()) return;
  const fw::String& text = Member<fw::EditField>("contatto_campo", k).Text();
  Globali::contatto(Globali::contpunta, k) = text;
  Member<fw::Listbox>("ListBox1").SetCell(Globali::contpunta - 1, k, text);
}

bool Window::contatto_campo_KeyDown(fw::Object& sender, const fw::String& key) {
  SelectAllOnCommandA(Member<fw::EditField>("contatto_campo", sender.Index), key);
  return false;
}

namespace {

// What a click on label or icon k opens; true when k is one of the two links.
bool OpenLink(Window& w, int32_t k) {
  if (k == kMailLink) {
    fw::ShowURL(WithScheme(w.Member<fw::EditField>("contatto_campo", kMailField).Text(), {"mailto:"}));
    return true;
  }
  if (k == kWebLink) {
    fw::ShowURL(WithScheme(w.Member<fw::EditField>("contatto_campo", kWebField).Text(), {"http://", "https://"}));
    return true;
  }
  return false;
}

// Set through the field, whose text change stores it in the contact and its row.
void StampNotes(Window& w) {
  auto& notes = w.Member<fw::EditField>("contatto_campo", kNotesField);
  const fw::String old = notes.Text();
  notes.SetText(old + (old.empty() ? fw::String() : fw::Chr(13)) + fw::Date().SQLDateTime());
}

}  // namespace

bool Window::statex_MouseDown(fw::Object& sender, int32_t, int32_t) {
  OpenLink(*this, sender.Index);
  return false;
}

bool Window::Canvasic_MouseDown(fw::Object& sender, int32_t, int32_t) {
  if (!OpenLink(*this, sender.Index) && sender.Index == kNotesIcon) StampNotes(*this);
  return false;
}

}  // namespace fin_main
