#pragma once
// The Latin key at the place of a key that types a letter of another script.
#include <QKeyEvent>

namespace fw {

// The key a US keyboard has where `event`'s key is, when that key types a letter of a
// script other than Latin (a layout with no Latin letters: the toolkit then finds no
// Latin key of its own); Qt::Key_unknown for any other key. The place is the key's
// code on X and Wayland, which the Linux keyboard driver fixes for each place.
Qt::Key LatinKeyInPlaceOf(const QKeyEvent& event);

}  // namespace fw
