#pragma once
// The contact column shows either the card or the contact list, as the check mark of
// the menu item VisualizzazioneListaContatti says. A sort of the list becomes the
// order of the contacts themselves the next time the column switches.

namespace Globali {

// Brings the contact column into the state the check mark names: the list's order
// taken over first (when the user sorted it), then the list slid into the column and
// the card out of it, or back, ending with the card showing contact contpunta.
// Positions are set absolutely, so a repeated call changes nothing.
void listaosingle();

// When the list was sorted since the last switch: its rows become contacts 1..n in
// the order shown, and sortizza is cleared. Otherwise nothing.
void takeOverListOrder();

// The same, for a writer that works on the card's contact while the list is sorted:
// contpunta follows that contact to its new number, so that the write lands on it
// and on its row.
void takeOverListOrderKeepingCard();

}  // namespace Globali
