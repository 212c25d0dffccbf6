// The store's refreshes reach the real main window through its accessor: the contact
// list mirrors the contacts, and the month heading shows the note count.
#include <gtest/gtest.h>

#include "framework/listbox.h"
#include "framework/static_text.h"
#include "mainwindow/fin_main.h"
#include "store/globali.h"
#include "store_fixture.h"

namespace storetest {
namespace {

class WindowRefresh : public StoreTest {
 protected:
  void SetUp() override {
    StoreTest::SetUp();
    Globali::window::SetRefreshObserverForTesting(nullptr);
    Globali::carica_localizzazione();
  }
  fw::Listbox& List() { return fin_main::fin_main().Member<fw::Listbox>("ListBox1"); }
};

TEST_F(WindowRefresh, ContactListMirrorsTheContactsInStoreOrder) {
  testsupport::WriteFile(app("vlqcont.txt"), Lines({"versione1.5", "3",                                  //
                                                    "A", "1", "2", "3", "4", "5", "6", "7", "8", "n", "***xxxzzzxxx***",  //
                                                    "B", "1", "2", "3", "4", "5", "6", "7", "8", "", "***xxxzzzxxx***",   //
                                                    "C", "1", "2", "3", "4", "5", "6", "7", "8", "x", "***xxxzzzxxx***"}));
  Globali::ripristinacontatti();
  ASSERT_EQ(List().ListCount(), 3);
  EXPECT_EQ(List().Cell(0, 0), "A");
  EXPECT_EQ(List().Cell(0, 9), "n");
  EXPECT_EQ(List().Cell(2, 8), "8");

  Globali::contpunta = 2;
  Globali::cancellauncontatto();
  ASSERT_EQ(List().ListCount(), 2);
  EXPECT_EQ(List().Cell(1, 0), "C");

  Globali::eliminacontatti();
  ASSERT_EQ(List().ListCount(), 1);
  for (int k = 0; k < 10; ++k) EXPECT_EQ(List().Cell(0, k), Globali::contatto(1, k)) << k;
}

TEST_F(WindowRefresh, ClearingNotesSetsTheMonthHeading) {
  Globali::ripristinanote();
  Globali::eliminanote();
  EXPECT_EQ(fin_main::fin_main().Member<fw::StaticText>("mese_label").Text(), "CALENDAR - (0 notes)");
}

}  // namespace
}  // namespace storetest
