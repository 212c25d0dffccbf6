#include "framework/address_book_wire.h"

#include <charconv>

namespace fw::internal {

namespace {

constexpr char kPeople[] = "people";
constexpr char kUnavailable[] = "unavailable";

class Writer {
 public:
  void Text(const String& text) { out_ += Str(static_cast<int64_t>(text.size())) + ":" + text + ","; }
  void Count(int64_t n) { Text(Str(n)); }
  String Take() { return std::move(out_); }

 private:
  String out_;
};

// Reads what a Writer wrote. After the first fault every read gives "" or 0 and Whole()
// is false.
class Reader {
 public:
  explicit Reader(std::string_view in) : rest_(in) {}

  String Text() {
    size_t length = 0;
    const size_t colon = rest_.find(':');
    if (!ok_ || colon == std::string_view::npos || !Digits(rest_.substr(0, colon), length) ||
        length > rest_.size() - colon - 1 || rest_.size() - colon - 1 - length < 1 || rest_[colon + 1 + length] != ',')
      return Fail();
    String text(rest_.substr(colon + 1, length));
    rest_.remove_prefix(colon + 2 + length);
    return text;
  }

  // A count of things still to come: each takes some bytes, so none can be more than are left.
  int32_t Count() {
    size_t n = 0;
    if (!Digits(Text(), n) || n > rest_.size()) Fail();
    return ok_ ? static_cast<int32_t>(n) : 0;
  }

  bool Sound() const { return ok_; }
  bool Whole() const { return ok_ && rest_.empty(); }

 private:
  std::string_view rest_;
  bool ok_ = true;

  String Fail() {
    ok_ = false;
    return "";
  }
  static bool Digits(std::string_view text, size_t& value) {
    if (text.empty() || text.size() > 10) return false;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size();
  }
};

// Values with their kinds: a name, the note, the phones, the e-mail addresses, the home pages.
void PutValues(Writer& w, const AddressBookData& data) {
  w.Count(data.Count());
  for (int32_t i = 0; i < data.Count(); ++i) {
    w.Text(data.Value(i));
    w.Count(static_cast<int64_t>(data.Kind(i)));
  }
}

AddressBookData ValuesFrom(Reader& r) {
  std::vector<String> values;
  std::vector<PhoneKind> kinds;
  for (int32_t i = r.Count(); i > 0; --i) {
    values.push_back(r.Text());
    const int32_t kind = r.Count();
    const bool known = kind <= static_cast<int32_t>(PhoneKind::Mobile);
    kinds.push_back(known ? static_cast<PhoneKind>(kind) : PhoneKind::Unstated);
  }
  return AddressBookData(std::move(values), std::move(kinds));
}

void PutAddresses(Writer& w, const AddressBookData& data) {
  w.Count(data.Count());
  for (int32_t i = 0; i < data.Count(); ++i) {
    const AddressBookAddress a = data.AddressValue(i);
    for (const String* part : {&a.StreetAddress, &a.Zip, &a.City, &a.State, &a.Country, &a.CountryCode})
      w.Text(*part);
  }
}

AddressBookData AddressesFrom(Reader& r) {
  std::vector<AddressBookAddress> addresses;
  for (int32_t i = r.Count(); i > 0; --i) {
    AddressBookAddress& a = addresses.emplace_back();
    for (String* part : {&a.StreetAddress, &a.Zip, &a.City, &a.State, &a.Country, &a.CountryCode}) *part = r.Text();
  }
  return AddressBookData(std::move(addresses));
}

void PutPerson(Writer& w, const AddressBookContact& p) {
  for (const AddressBookData* values : {&p.LastName, &p.MiddleName, &p.FirstName, &p.CompanyName, &p.Note})
    PutValues(w, *values);
  PutAddresses(w, p.Addresses);
  for (const AddressBookData* values : {&p.PhoneNumbers, &p.EmailAddresses, &p.Homepage}) PutValues(w, *values);
}

AddressBookContact PersonFrom(Reader& r) {
  AddressBookContact p;
  for (AddressBookData* values : {&p.LastName, &p.MiddleName, &p.FirstName, &p.CompanyName, &p.Note})
    *values = ValuesFrom(r);
  p.Addresses = AddressesFrom(r);
  for (AddressBookData* values : {&p.PhoneNumbers, &p.EmailAddresses, &p.Homepage}) *values = ValuesFrom(r);
  return p;
}

}  // namespace

String EncodeBook(const AddressBook& book) {
  Writer w;
  if (!book.Available()) {
    w.Text(kUnavailable);
    w.Text(book.Error());
    return w.Take();
  }
  w.Text(kPeople);
  w.Count(static_cast<int64_t>(book.Contacts().size()));
  for (const AddressBookContact& person : book.Contacts()) PutPerson(w, person);
  return w.Take();
}

AddressBook DecodeBook(std::string_view answer) {
  Reader r(answer);
  const String kind = r.Text();
  AddressBook book = AddressBook::Unavailable("the address book's reader gave an incomplete answer");
  if (kind == kUnavailable) {
    const String reason = r.Text();
    if (r.Whole()) book = AddressBook::Unavailable(reason);
  } else if (kind == kPeople) {
    std::vector<AddressBookContact> people;
    for (int32_t n = r.Count(); n > 0 && r.Sound(); --n) people.push_back(PersonFrom(r));
    if (r.Whole()) book = AddressBook(std::move(people));
  }
  return book;
}

String EncodeTexts(const std::vector<String>& texts) {
  Writer w;
  w.Count(static_cast<int64_t>(texts.size()));
  for (const String& text : texts) w.Text(text);
  return w.Take();
}

std::optional<std::vector<String>> DecodeTexts(std::string_view encoded) {
  Reader r(encoded);
  std::vector<String> texts;
  for (int32_t n = r.Count(); n > 0 && r.Sound(); --n) texts.push_back(r.Text());
  if (!r.Whole()) return std::nullopt;
  return texts;
}

}  // namespace fw::internal
