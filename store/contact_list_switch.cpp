#include "store/contact_list_switch.h"

#include <algorithm>
#include <cstdint>

#include "framework/controls.h"
#include "framework/thread.h"
#include "mainwindow/fin_main.h"
#include "mainwindow/layout/designs.h"
#include "store/file_formats.h"
#include "store/globali.h"

namespace Globali {

namespace {

namespace design = fin_main::layout;

constexpr int32_t kFields = formats::kContactFields;
constexpr int32_t kSlide = 300;           // how far the list and the card move
constexpr int32_t kListFrameHeight = 490;  // the card's frame and shadow around the list

fw::Listbox& ContactList() { return fin_main::fin_main().Member<fw::Listbox>("ListBox1"); }

bool ListShown() {
  fw::MenuItem* mark = fin_main::fin_main().VisualizzazioneListaContatti();
  return mark && mark->Checked();
}

// The list row that holds the texts of contact c; -1 when none does. Two rows with
// the same ten texts are the same contact as far as anyone can tell.
int32_t RowHolding(const fw::Listbox& list, int32_t c) {
  for (int32_t r = 0; r < list.ListCount(); ++r) {
    bool same = true;
    for (int32_t k = 0; k < kFields && same; ++k) same = list.Cell(r, k) == contatto(c, k);
    if (same) return r;
    fw::YieldToNextThread();
  }
  return -1;
}

template <class T>
void PlaceLeft(fin_main::Window& w, const char* name, int32_t left) {
  w.Member<T>(name).SetLeft(left);
}
template <class T>
void PlaceLeft(fin_main::Window& w, const char* name, int32_t index, int32_t left) {
  w.Member<T>(name, index).SetLeft(left);
}

// Every control of the column at its design place, moved by `shift` (the list the
// other way).
void PlaceColumn(fin_main::Window& w, int32_t shift) {
  PlaceLeft<fw::Listbox>(w, "ListBox1", design::ListBox1().left - shift);
  PlaceLeft<fw::PushButton>(w, "bott_crea", design::bott_crea().left + shift);
  PlaceLeft<fw::PushButton>(w, "bott_elim", design::bott_elim().left + shift);
  PlaceLeft<fw::BevelButton>(w, "bott_cerca", design::bott_cerca().left + shift);
  PlaceLeft<fw::EditField>(w, "cerca_campo", design::cerca_campo().left + shift);
  for (int32_t i = 0; i <= 7; ++i) {
    PlaceLeft<fw::EditField>(w, "contatto_campo", i, design::contatto_campo(i).left + shift);
    PlaceLeft<fw::StaticText>(w, "statex", i, design::statex(i).left + shift);
    PlaceLeft<fw::Canvas>(w, "Canvasic", i, design::Canvasic(i).left + shift);
    fw::YieldToNextThread();
  }
  PlaceLeft<fw::EditField>(w, "contatto_campo", 8, design::contatto_campo(8).left + shift);
  PlaceLeft<fw::EditField>(w, "contatto_campo", 9, design::contatto_campo(9).left + shift);
  PlaceLeft<fw::Canvas>(w, "Canvasic", 8, design::Canvasic(8).left + shift);
  PlaceLeft<fw::StaticText>(w, "statex", 8, design::statex(8).left + shift);
}

void ShowList(fin_main::Window& w) {
  w.Member<fw::Canvas>("Rectangle7").SetHeight(kListFrameHeight);
  w.Member<fw::Rectangle>("Rectangle8").SetHeight(kListFrameHeight);
  w.Member<fw::BevelButton>("bott_cerca").SetEnabled(false);
  w.Member<fw::EditField>("cerca_campo").SetEnabled(false);
  w.Member<fw::PushButton>("bott_prec").SetEnabled(false);
  w.Member<fw::PushButton>("bott_succ").SetEnabled(false);
  PlaceColumn(w, kSlide);
}

void ShowCard(fin_main::Window& w) {
  w.Member<fw::Canvas>("Rectangle7").SetHeight(design::Rectangle7().height);
  w.Member<fw::Rectangle>("Rectangle8").SetHeight(design::Rectangle8().height);
  w.Member<fw::BevelButton>("bott_cerca").SetEnabled(true);
  w.Member<fw::EditField>("cerca_campo").SetEnabled(true);
  PlaceColumn(w, 0);
  w.apparecchia();
}

}  // namespace

void takeOverListOrder() {
  if (!sortizza) return;
  sortizza = false;
  const fw::Listbox& list = ContactList();
  // A row past the last contact has no contact to land in; the list holds one row per
  // contact, so this only keeps a broken list from reaching outside the table.
  for (int32_t r = 0; r < std::min(list.ListCount(), contquanti); ++r) {
    for (int32_t k = 0; k < kFields; ++k) {
      contatto(r + 1, k) = list.Cell(r, k);
      fw::YieldToNextThread();
    }
    fw::YieldToNextThread();
  }
}

void takeOverListOrderKeepingCard() {
  if (!sortizza) return;
  const int32_t row = contpunta >= 1 && contpunta <= contquanti ? RowHolding(ContactList(), contpunta) : -1;
  takeOverListOrder();
  if (row >= 0 && row < contquanti) contpunta = row + 1;
}

void listaosingle() {
  takeOverListOrder();
  fin_main::Window& w = fin_main::fin_main();
  if (ListShown())
    ShowList(w);
  else
    ShowCard(w);
}

}  // namespace Globali
