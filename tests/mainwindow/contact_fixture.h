#pragma once
// The main window with an address book of the test's own, the card showing and the
// links and beeps observed through the framework's seams.
#include <QHeaderView>
#include <QTableView>
#include <array>
#include <string>
#include <vector>

#include "framework/control_widget_qt.h"
#include "framework/controls.h"
#include "framework/devices.h"
#include "store/contact_list_switch.h"
#include "store/globali.h"
#include "support/main_window_fixture.h"

namespace contacttest {

using Contact = std::array<std::string, 10>;

// A contact with a name and, optionally, a few other fields by index.
inline Contact Person(const std::string& name, std::vector<std::pair<int, std::string>> fields = {}) {
  Contact c{};
  c[0] = name;
  for (auto& [k, text] : fields) c[static_cast<size_t>(k)] = text;
  return c;
}

class ContactFixture : public testsupport::MainWindowFixture {
 protected:
  void SetUp() override {
    MainWindowFixture::SetUp();
    fw::SetShowURLHandlerForTesting([this](const fw::String& url) { opened.push_back(url); });
    fw::ResetBeepCountForTesting();
    Globali::pref_warning = false;
    UseContacts({Person("Anna Rossi", {{4, "051 111"}, {7, "anna@example.org"}}),
                 Person("Bruno Bianchi", {{1, "Baker"}, {8, "www.bruno.example"}}),
                 Person("Carla Verdi", {{9, "first line"}})});
  }
  void TearDown() override {
    fw::SetShowURLHandlerForTesting(nullptr);
    MainWindowFixture::TearDown();
  }

  // The address book, the list filled from it and the card on the first contact, with
  // the column in its start-up state (the card showing, the list unsorted).
  void UseContacts(const std::vector<Contact>& contacts) {
    Globali::contquanti = static_cast<int32_t>(contacts.size());
    Globali::contatto.Redim(Globali::contquanti, 9);
    for (int32_t c = 1; c <= Globali::contquanti; ++c)
      for (int32_t k = 0; k < 10; ++k) Globali::contatto(c, k) = contacts[static_cast<size_t>(c - 1)][static_cast<size_t>(k)];
    List().DeleteAllRows();
    List().SetSortedColumn(-1);  // the next heading click sorts upwards
    List().SetSortAscending(true);
    for (int32_t c = 1; c <= Globali::contquanti; ++c) {
      List().AddRow(Globali::contatto(c, 0));
      for (int32_t k = 1; k < 10; ++k) List().SetCell(c - 1, k, Globali::contatto(c, k));
    }
    Globali::contpunta = 1;
    Globali::cercapunta = 0;
    Globali::sortizza = false;
    Mark().SetChecked(false);
    Globali::listaosingle();
  }

  // The menu command's share of a switch: the mark inverted, then the switch.
  void ToggleList() {
    Mark().SetChecked(!Mark().Checked());
    Globali::listaosingle();
  }

  fw::MenuItem& Mark() const { return *win().VisualizzazioneListaContatti(); }
  fw::Listbox& List() const { return Member<fw::Listbox>("ListBox1"); }
  fw::EditField& Field(int k) const { return Member<fw::EditField>("contatto_campo", k); }
  fw::PushButton& Button(const char* name) const { return Member<fw::PushButton>(name); }
  std::string Counter() const { return Member<fw::StaticText>("contatti_label").Text(); }
  std::string Shows() const { return Field(0).Text(); }
  // The names of the contact table, in contact order.
  static std::vector<std::string> Names() {
    std::vector<std::string> names;
    for (int32_t c = 1; c <= Globali::contquanti; ++c) names.push_back(Globali::contatto(c, 0));
    return names;
  }
  // Column 0 of the list, row by row.
  std::vector<std::string> ListNames() const {
    std::vector<std::string> names;
    for (int32_t r = 0; r < List().ListCount(); ++r) names.push_back(List().Cell(r, 0));
    return names;
  }

  // The user's clicks on the list: a column heading, a row.
  void ClickHeading(int column) {
    QHeaderView* header = fw::TableOf(List())->horizontalHeader();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::NoModifier,
                      QPoint(header->sectionViewportPosition(column) + 3, header->height() / 2));
  }
  void ClickRow(int row) {
    QTableView* table = fw::TableOf(List());
    QTest::mouseClick(table->viewport(), Qt::LeftButton, Qt::NoModifier,
                      table->visualRect(table->model()->index(row, 0)).center());
  }

  std::vector<fw::String> opened;  // addresses handed to the system
};

}  // namespace contacttest
