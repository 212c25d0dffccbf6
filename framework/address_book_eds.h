#pragma once
// The desktop's address book through Evolution Data Server's client library (libebook),
// loaded by name when asked for, never linked: a program that does not import maps
// none of it. Only the address book's child process (address_book_child.h) calls these,
// as the library may hang, abort or leave threads behind.
#include <vector>

#include "framework/address_book.h"

namespace fw::internal {

// The version of the library the program was built against, as the system names it.
extern const char kAddressBookLibrary[];

// Every person of the default book; unavailable with the reason when the library named
// `library` is not installed or the service is missing or fails.
AddressBook ReadDefaultBook(const char* library);

// Tests, inside the private session only (the reason of the refusal otherwise): put
// people into the default book, each a vCard, or remove every person; "" when done.
String AddToDefaultBook(const std::vector<String>& vcards);
String EmptyDefaultBook();

}  // namespace fw::internal
