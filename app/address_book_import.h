#pragma once
// The people of the desktop's address book copied into the contacts: each person with
// a last name or a company becomes a contact under a name key, or updates the first
// contact whose name field equals that key (failing that, the first whose name equals
// it once runs of blanks count as one and blanks at either end as none, a name kept as
// it was typed). A phone number whose kind the card states goes to the field of that
// kind. Nothing is saved here.
#include <vector>

#include "framework/address_book.h"

namespace address_book_import {

// Copies these people into the contact table and the contact list, the progress bar
// in view at the top of the contact column meanwhile; the card ends on the last
// contact. A sorted list's order is taken over first, so that list row n - 1 is
// contact n throughout. A field the book has no value for keeps its text; values are
// made fit for the contacts file (see address_book_import.cpp).
void Import(const std::vector<fw::AddressBookContact>& people);

}  // namespace address_book_import
