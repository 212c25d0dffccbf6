#include "app/address_book_import.h"

#include <algorithm>
#include <optional>

#include "app/app.h"
#include "framework/controls.h"
#include "framework/devices.h"
#include "framework/thread.h"
#include "mainwindow/fin_main.h"
#include "resources/texttable.h"
#include "store/contact_list_switch.h"
#include "store/file_formats.h"
#include "store/globali.h"

namespace address_book_import {

namespace {

using fw::AddressBookContact;
using fw::String;

constexpr int32_t kBarInView = 531;     // over the counter line of the contact column
constexpr int32_t kBarOutOfView = 831;  // its design place, beyond the window's edge
constexpr int32_t kPhoneFields = 2;     // phone and fax; the mobile field is the user's
constexpr int32_t kLastField = Globali::formats::kContactFields - 1;

// The contacts file holds fields 0 to 8 one to a line and the note as lines, and the
// contacts export separates fields with tabs: a line break (CR, LF or CRLF) becomes
// `lineBreak`, a tab or any other control character (C0, DEL, C1) a blank.
String Safe(const String& text, const String& lineBreak) {
  String out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    const auto next = i + 1 < text.size() ? static_cast<unsigned char>(text[i + 1]) : 0;
    if (c == '\r' || c == '\n') {
      if (c == '\r' && next == '\n') ++i;
      out += lineBreak;
    } else if (c < 0x20 || c == 0x7F) {
      out += ' ';
    } else if (c == 0xC2 && next >= 0x80 && next <= 0x9F) {
      out += ' ';
      ++i;
    } else {
      out += text[i];
    }
  }
  return out;
}

String OneLine(const String& text) { return Safe(text, ", "); }
String Lines(const String& text) { return Safe(text, fw::Chr(13)); }

struct NameKey {
  String key, company;
};

// Last, middle and first name with both blanks always there; else the company alone.
std::optional<NameKey> NameKeyOf(const AddressBookContact& person) {
  const String last = OneLine(person.LastName.Text());
  const String company = OneLine(person.CompanyName.Text());
  if (!last.empty())
    return NameKey{last + " " + OneLine(person.MiddleName.Text()) + " " + OneLine(person.FirstName.Text()), company};
  if (!company.empty()) return NameKey{company, ""};
  return std::nullopt;
}

// Each part after the first is preceded by ", " unless it is empty itself.
String Joined(const String& first, const String& second, const String& third) {
  auto separated = [](const String& part) { return part.empty() ? part : ", " + part; };
  return first + separated(second) + separated(third);
}

class ImportRun {
 public:
  ImportRun() : w_(fin_main::fin_main()), list_(w_.Member<fw::Listbox>("ListBox1")) {}

  // The first contact whose name field equals the key, or a new last contact (with its
  // list row) named by it.
  int32_t ContactFor(const String& key) {
    for (int32_t k = 1; k <= Globali::contquanti; ++k) {
      const bool same = Globali::contatto(k, 0) == key;
      fw::YieldToNextThread();
      if (same) return k;
    }
    ++Globali::contquanti;
    Globali::contatto.Redim(Globali::contquanti, kLastField);
    list_.AddRow(key);
    return Globali::contquanti;
  }

  void Put(int32_t field, const String& text) {
    Globali::contatto(Globali::contpunta, field) = text;
    list_.SetCell(Globali::contpunta - 1, field, text);
  }

  // A field the book has no value for keeps what the user wrote.
  void Merge(const AddressBookContact& person, const NameKey& name) {
    Globali::contpunta = ContactFor(name.key);
    Globali::contatto(Globali::contpunta, 0) = name.key;
    if (!name.company.empty()) Put(1, name.company);
    if (person.Addresses.Count() > 0) {
      const fw::AddressBookAddress a = person.Addresses.AddressValue(0);
      Put(2, Joined(OneLine(a.StreetAddress), OneLine(a.Zip), OneLine(a.City)));
      Put(3, Joined(OneLine(a.State), OneLine(a.Country), OneLine(a.CountryCode)));
    }
    for (int32_t j = 0; j < std::min(person.PhoneNumbers.Count(), kPhoneFields); ++j) {
      Put(4 + j, OneLine(person.PhoneNumbers.Value(j)));
      fw::YieldToNextThread();
    }
    if (person.EmailAddresses.Count() > 0) Put(7, OneLine(person.EmailAddresses.Value(0)));
    if (person.Homepage.Count() > 0) Put(8, OneLine(person.Homepage.Value(0)));
    if (const String note = Lines(person.Note.Text()); !note.empty()) Put(9, note);
  }

  void Run(const std::vector<AddressBookContact>& people) {
    fw::ProgressBar& bar = w_.Member<fw::ProgressBar>("ProgressBar1");
    const auto last = static_cast<int32_t>(people.size()) - 1;
    bar.SetLeft(kBarInView);
    bar.SetMaximum(last);
    bar.SetValue(0);
    bar.RefreshNow();
    for (int32_t i = 0; i <= last; ++i) {
      if (const std::optional<NameKey> name = NameKeyOf(people[static_cast<size_t>(i)]))
        Merge(people[static_cast<size_t>(i)], *name);
      bar.SetValue(i);
      bar.RefreshNow();
      fw::YieldToNextThread();
    }
    bar.SetLeft(kBarOutOfView);
    Globali::contpunta = Globali::contquanti;
    w_.apparecchia();
  }

 private:
  fin_main::Window& w_;
  fw::Listbox& list_;
};

}  // namespace

void Import(const std::vector<AddressBookContact>& people) {
  Globali::takeOverListOrder();
  ImportRun().Run(people);
}

}  // namespace address_book_import

// The book is read whole before anything changes, so an unreadable one leaves the
// contacts as they were.
bool App::_ArchivioImportaRubricaIndirizziMacOSX_Action() {
  const fw::AddressBook book = fw::SystemAddressBook();
  if (!book.Available()) {
    fw::MsgBox(resources::Filled(resources::kAddressBookUnreadableMessage, {book.Error()}));
    return false;
  }
  address_book_import::Import(book.Contacts());
  return false;
}
