// The address book import: 1,000 people merged into 10,000 contacts with the contact
// list of the real main window (built offscreen) updated cell by cell, all of them
// new (every merge walks every contact) or all of them matching the last contacts;
// and, apart, the reading of 1,000 people from Evolution Data Server's book, which
// includes the start of the reader's child process (this program started again).
//
// The reading needs a private session with the service on it; run the program as
//   bash scripts/private-session.sh build/bench/bench_address_book_bench
// Elsewhere that benchmark reports an error and the merges still run.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <string>
#include <vector>

#include "app/address_book_import.h"
#include "bench/bench_main.h"
#include "framework/address_book.h"
#include "framework/controls.h"
#include "framework/devices.h"
#include "mainwindow/fin_main.h"
#include "store/globali.h"

namespace {

constexpr int kContacts = 10000;
constexpr int kPeople = 1000;

fw::Listbox& List() { return fin_main::fin_main().Member<fw::Listbox>("ListBox1"); }

// Contact c's fields; the name is "Rossi Mario c".
void FillContacts() {
  Globali::contquanti = kContacts;
  Globali::contatto.Redim(-1, -1);
  Globali::contatto.Redim(kContacts, 9);
  List().DeleteAllRows();
  for (int c = 1; c <= kContacts; ++c) {
    const std::string n = std::to_string(c);
    const fw::String fields[10] = {"Rossi  Mario " + n, "Architetto", "Via Roma " + n, "Emilia, Italia",
                                   "051 123" + n, "", "333 789" + n, "mario" + n + "@example.com",
                                   "www.example.com/" + n, "Cliente dal 2019"};
    List().AddRow(fields[0]);
    for (int f = 0; f < 10; ++f) {
      Globali::contatto(c, f) = fields[f];
      if (f > 0) List().SetCell(c - 1, f, fields[f]);
    }
  }
  Globali::contpunta = 1;
  QApplication::processEvents();
}

// Person p with every field the import reads; named as contact `firstNumber` + p when
// `firstNumber` is given, else under a name no contact has.
std::vector<fw::AddressBookContact> People(int firstNumber) {
  std::vector<fw::AddressBookContact> people(kPeople);
  for (int p = 0; p < kPeople; ++p) {
    const std::string n = std::to_string(firstNumber > 0 ? firstNumber + p : p);
    fw::AddressBookContact& person = people[static_cast<size_t>(p)];
    person.LastName = fw::AddressBookData(firstNumber > 0 ? "Rossi" : "Verdi");
    person.FirstName = fw::AddressBookData("Mario " + n);
    person.CompanyName = fw::AddressBookData("Studio " + n);
    person.Note = fw::AddressBookData("Met at the fair\nsecond line " + n);
    person.Addresses = fw::AddressBookData(std::vector<fw::AddressBookAddress>{
        {"Via Po " + n, "10100", "Torino", "Piemonte", "Italia", "IT"}});
    person.PhoneNumbers = fw::AddressBookData(std::vector<fw::String>{"011 " + n, "011 9" + n, "347 " + n});
    person.EmailAddresses = fw::AddressBookData(std::vector<fw::String>{"person" + n + "@example.org"});
    person.Homepage = fw::AddressBookData(std::vector<fw::String>{"www.example.org/" + n});
  }
  return people;
}

void BM_ImportNewPeopleIntoTenThousandContacts(benchmark::State& state) {
  FillContacts();
  const std::vector<fw::AddressBookContact> people = People(0);
  for (auto _ : state) {
    address_book_import::Import(people);
    state.PauseTiming();
    if (Globali::contquanti != kContacts + kPeople || List().ListCount() != kContacts + kPeople)
      state.SkipWithError("a person was not added");
    Globali::contquanti = kContacts;
    Globali::contatto.Redim(kContacts, 9);
    for (int r = kContacts + kPeople - 1; r >= kContacts; --r) List().RemoveRow(r);
    QApplication::processEvents();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_ImportNewPeopleIntoTenThousandContacts)->Unit(benchmark::kMillisecond);

void BM_ImportKnownPeopleIntoTenThousandContacts(benchmark::State& state) {
  FillContacts();
  const std::vector<fw::AddressBookContact> people = People(kContacts - kPeople + 1);
  for (auto _ : state) {
    address_book_import::Import(people);
    state.PauseTiming();
    if (Globali::contquanti != kContacts || Globali::contatto(kContacts, 1) != "Studio " + std::to_string(kContacts))
      state.SkipWithError("a person did not update their contact");
    QApplication::processEvents();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_ImportKnownPeopleIntoTenThousandContacts)->Unit(benchmark::kMillisecond);

// The book's own time: the reader started, the service asked for every person, the cards
// turned into people and handed over.
void BM_ReadThousandPeopleFromTheDesktopBook(benchmark::State& state) {
  for (auto _ : state) {
    const fw::AddressBook book = fw::SystemAddressBook();
    if (book.Contacts().size() != static_cast<size_t>(kPeople)) {
      state.SkipWithError(("no private book of 1,000 people: " + book.Error()).c_str());
      break;
    }
  }
}
BENCHMARK(BM_ReadThousandPeopleFromTheDesktopBook)->Unit(benchmark::kMillisecond);

// A thousand people in the private session's book (the test seam refuses anywhere else).
void KeepThousandPeople() {
  if (!fw::EmptySystemAddressBookForTesting().empty()) return;
  std::vector<fw::String> cards;
  for (int p = 0; p < kPeople; ++p) {
    const std::string n = std::to_string(p);
    cards.push_back("BEGIN:VCARD\r\nVERSION:3.0\r\nN:Verdi;Mario " + n + ";;;\r\nORG:Studio " + n +
                    "\r\nADR:;;Via Po " + n + ";Torino;Piemonte;10100;Italia\r\nTEL:011 " + n +
                    "\r\nTEL:347 " + n + "\r\nEMAIL:person" + n + "@example.org\r\nNOTE:Met at the fair\r\nEND:VCARD\r\n");
  }
  fw::AddToSystemAddressBookForTesting(cards);
}

}  // namespace

int main(int argc, char** argv) {
  return RunBenchmarks(argc, argv, [] {
    fw::SetMsgBoxHandlerForTesting([](const fw::String&) {});
    Globali::lingua = 1;
    Globali::carica_localizzazione();
    fin_main::fin_main().Show();
    fin_main::fin_main().localeng();
    QApplication::processEvents();
    KeepThousandPeople();
  });
}
