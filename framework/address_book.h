#pragma once
// The desktop's address book: the people the user already keeps, read whole and at
// once. On Linux that is Evolution Data Server's default book ("Personal"), the one
// GNOME Contacts and Evolution keep. Each person comes from their vCard: the names
// from N (family, additional, given), the company from ORG's first part, the note from
// NOTE, and the lists ADR, TEL, EMAIL and URL in the card's order. Texts are UTF-8 as
// the card holds them: a value may contain line breaks (LF) and other control
// characters.
#include <cstdint>
#include <utility>
#include <vector>

#include "framework/text.h"

namespace fw {

struct AddressBookAddress {
  String StreetAddress, Zip, City, State, Country;
  String CountryCode;  // the address's CC parameter; empty when the card has none
};

// What a phone number is for, as its card's TEL types state it (CELL, FAX, VOICE, the
// first of them that the number has in that order); Unstated when it has none of them.
enum class PhoneKind { Unstated, Phone, Fax, Mobile };

// One field of a person: a single text (a name, the company, the note) or a list of
// values (postal addresses, phone numbers with their kinds, e-mail addresses, home pages).
class AddressBookData {
 public:
  AddressBookData() = default;
  explicit AddressBookData(String text) : texts_{std::move(text)} {}
  explicit AddressBookData(std::vector<String> values, std::vector<PhoneKind> kinds = {})
      : texts_(std::move(values)), kinds_(std::move(kinds)) {}
  explicit AddressBookData(std::vector<AddressBookAddress> addresses) : addresses_(std::move(addresses)) {}

  String Text() const { return texts_.empty() ? String() : texts_.front(); }  // "" when none
  // Values count from 0; a list of addresses counts its addresses.
  int32_t Count() const { return static_cast<int32_t>(addresses_.empty() ? texts_.size() : addresses_.size()); }
  String Value(int32_t i) const { return i >= 0 && i < Size(texts_) ? texts_[i] : String(); }
  // The kind of phone number i; Unstated outside the list and for values of other fields.
  PhoneKind Kind(int32_t i) const { return i >= 0 && i < Size(kinds_) ? kinds_[i] : PhoneKind::Unstated; }
  // Value i of a list of addresses; an empty address outside it.
  AddressBookAddress AddressValue(int32_t i) const {
    return i >= 0 && i < Size(addresses_) ? addresses_[i] : AddressBookAddress();
  }

 private:
  template <class T>
  static int32_t Size(const std::vector<T>& v) { return static_cast<int32_t>(v.size()); }
  std::vector<String> texts_;
  std::vector<PhoneKind> kinds_;
  std::vector<AddressBookAddress> addresses_;
};

struct AddressBookContact {
  AddressBookData LastName, MiddleName, FirstName, CompanyName, Note;
  AddressBookData Addresses, PhoneNumbers, EmailAddresses, Homepage;
};

class AddressBook {
 public:
  // A book that could not be read; the reason in plain words.
  static AddressBook Unavailable(String reason) {
    AddressBook b;
    b.error_ = std::move(reason);
    return b;
  }
  explicit AddressBook(std::vector<AddressBookContact> people = {}) : contacts_(std::move(people)) {}

  bool Available() const { return error_.empty(); }
  const String& Error() const { return error_; }
  // Every person, in the order the book lists them; none when unavailable.
  const std::vector<AddressBookContact>& Contacts() const { return contacts_; }

 private:
  std::vector<AddressBookContact> contacts_;
  String error_;
};

// Reads the user's default address book in a child process, which is ended when it has
// not answered within a few seconds (the caller waits meanwhile): no session bus,
// Evolution Data Server or its library missing, a service that does not answer in time
// or a reader that fails all give an unavailable book with the reason, and leave the
// program as it was (no library of the address book mapped, no thread, no process).
AddressBook SystemAddressBook();

// Tests: how long SystemAddressBook waits for an answer (5000 ms unless set).
void SetAddressBookWaitForTesting(int32_t milliseconds);
// Tests: how the reader of the following reads misbehaves.
enum class AddressBookReaderFault {
  None,
  HangsMidway,     // writes half its answer, then never ends
  DiesMidway,      // writes half its answer, then crashes
  LibraryMissing,  // finds no address book library to load
};
void SetAddressBookReaderFaultForTesting(AddressBookReaderFault fault);

// Tests, on a private session only: they refuse (answering the reason) unless they run
// inside scripts/private-session.sh (its VELQORA_PRIVATE_SESSION, a folder in the
// system's temporary folder, and HOME inside it), so that no test touches the user's
// own book. Like the reading they work in a child process.
// Puts people into the default book, each given as a vCard; "" when all went in.
String AddToSystemAddressBookForTesting(const std::vector<String>& vcards);
// Removes every person from the default book; "" when done.
String EmptySystemAddressBookForTesting();

}  // namespace fw
