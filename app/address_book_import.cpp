#include "app/address_book_import.h"

#include <algorithm>
#include <optional>
#include <unordered_map>
#include <vector>

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
constexpr int32_t kPhoneField = 4, kFaxField = 5, kMobileField = 6;
constexpr int32_t kLastField = Globali::formats::kContactFields - 1;

// Bytes of the line break at i (CR, LF, CRLF, or the Unicode line or paragraph
// separator, U+2028 or U+2029); 0 when none starts there.
size_t LineBreakAt(const String& text, size_t i) {
  if (text[i] == '\r') return text.compare(i, 2, "\r\n") == 0 ? 2 : 1;
  if (text[i] == '\n') return 1;
  return text.compare(i, 3, "\u2028") == 0 || text.compare(i, 3, "\u2029") == 0 ? 3 : 0;
}

// The contacts file holds fields 0 to 8 one to a line and the note as lines, and the
// contacts export separates fields with tabs: the text is taken apart at its line
// breaks, and in each line a tab or any other control character (C0, DEL, C1) becomes
// a blank.
std::vector<String> SafeLines(const String& text) {
  // Most values have nothing to mend; every character that may need it starts with one of these.
  const auto mayNeedMending = [](char c) {
    const auto u = static_cast<unsigned char>(c);
    return u < 0x20 || u == 0x7F || u == 0xC2 || u == 0xE2;
  };
  if (std::none_of(text.begin(), text.end(), mayNeedMending)) return {text};
  std::vector<String> lines(1);
  for (size_t i = 0; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    const auto next = i + 1 < text.size() ? static_cast<unsigned char>(text[i + 1]) : 0;
    if (const size_t lineBreak = LineBreakAt(text, i)) {
      lines.emplace_back();
      i += lineBreak - 1;
    } else if (c < 0x20 || c == 0x7F) {
      lines.back() += ' ';
    } else if (c == 0xC2 && next >= 0x80 && next <= 0x9F) {
      lines.back() += ' ';
      ++i;
    } else {
      lines.back() += text[i];
    }
  }
  return lines;
}

// The parts that are not empty, separated by ", ".
String JoinedNonEmpty(const std::vector<String>& parts) {
  String joined;
  for (const String& part : parts)
    if (!part.empty()) joined += (joined.empty() ? "" : ", ") + part;
  return joined;
}

String OneLine(const String& text) { return JoinedNonEmpty(SafeLines(text)); }

String Lines(const String& text) {
  const std::vector<String> lines = SafeLines(text);
  String joined = lines.front();
  for (size_t l = 1; l < lines.size(); ++l) joined += fw::Chr(13) + lines[l];
  return joined;
}

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

// The text as a name is typed by hand: every run of blanks one blank, and none at
// either end (the key of a person without a first name ends with its blanks).
String AsTyped(const String& text) {
  String out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i)
    if (text[i] != ' ' || (!out.empty() && out.back() != ' ')) out += text[i];
  if (!out.empty() && out.back() == ' ') out.pop_back();
  return out;
}

// The field a number of this stated kind belongs in.
int32_t FieldOf(fw::PhoneKind kind) {
  switch (kind) {
    case fw::PhoneKind::Fax: return kFaxField;
    case fw::PhoneKind::Mobile: return kMobileField;
    default: return kPhoneField;
  }
}

class ImportRun {
 public:
  ImportRun() : w_(fin_main::fin_main()), list_(w_.Member<fw::Listbox>("ListBox1")) {}

  // The first contact whose name field equals the key; failing that, the first whose
  // name does once runs of blanks count as one and blanks at either end as none (a name
  // typed by hand: the key of a person without a middle name has two blanks in a row);
  // else a new last contact (with its list row) named by the key.
  int32_t ContactFor(const String& key) {
    for (int32_t k = 1; k <= Globali::contquanti; ++k) {
      const bool same = Globali::contatto(k, 0) == key;
      fw::YieldToNextThread();
      if (same) return k;
    }
    // A key of blanks only is like no name at all: no contact is taken for it.
    if (const String typed = AsTyped(key); !typed.empty()) {
      if (!typedAlike_) {
        typedAlike_.emplace();
        for (int32_t k = 1; k <= Globali::contquanti; ++k)
          typedAlike_->emplace(AsTyped(Globali::contatto(k, 0)), k);
      }
      const auto [alike, added] = typedAlike_->emplace(typed, Globali::contquanti + 1);
      if (!added) return alike->second;
    }
    ++Globali::contquanti;
    Globali::contatto.Redim(Globali::contquanti, kLastField);
    Globali::contatto(Globali::contquanti, 0) = key;
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
    if (!name.company.empty()) Put(1, name.company);
    if (person.Addresses.Count() > 0) {
      const fw::AddressBookAddress a = person.Addresses.AddressValue(0);
      Put(2, JoinedNonEmpty({OneLine(a.StreetAddress), OneLine(a.Zip), OneLine(a.City)}));
      Put(3, JoinedNonEmpty({OneLine(a.State), OneLine(a.Country), OneLine(a.CountryCode)}));
    }
    PutPhones(person.PhoneNumbers);
    if (person.EmailAddresses.Count() > 0) Put(7, OneLine(person.EmailAddresses.Value(0)));
    if (person.Homepage.Count() > 0) Put(8, OneLine(person.Homepage.Value(0)));
    if (const String note = Lines(person.Note.Text()); !note.empty()) Put(9, note);
  }

  // A number whose kind the card states goes to that kind's field, the first of each
  // kind; the others fill the phone and then the fax field in the card's order, where
  // no stated number went.
  void PutPhones(const fw::AddressBookData& phones) {
    bool taken[kMobileField + 1] = {};
    for (const bool stated : {true, false})
      for (int32_t j = 0; j < phones.Count(); ++j) {
        if ((phones.Kind(j) != fw::PhoneKind::Unstated) != stated) continue;
        int32_t field = FieldOf(phones.Kind(j));
        if (!stated && taken[field]) field = kFaxField;
        if (taken[field]) continue;
        taken[field] = true;
        Put(field, OneLine(phones.Value(j)));
        fw::YieldToNextThread();
      }
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
  // The first contact of each name as typed (AsTyped), made when first needed. Names
  // change only here, where a contact is added, during the run.
  std::optional<std::unordered_map<String, int32_t>> typedAlike_;
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
