// The menu bar as the application object sees it: the command bindings by name, the
// application's lookups and the menu update. (The tree itself is the layout's tests'.)
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "app/app.h"
#include "app/command_bindings.h"
#include "app/menu_bar.h"

namespace {

void Collect(fw::MenuItem& item, std::vector<fw::MenuItem*>& out) {
  for (int i = 0; i < item.Count(); ++i) {
    out.push_back(item.Item(i));
    Collect(*item.Item(i), out);
  }
}

std::vector<fw::MenuItem*> AllItems() {
  std::vector<fw::MenuItem*> items;
  Collect(*Menu::Menu(), items);
  return items;
}

// A private application object, registered for the test; whatever was registered
// before comes back afterwards.
class AppUnderTest : public ::testing::Test {
 protected:
  AppUnderTest() : previous_(fw::TheApplication()) { fw::RegisterApplication(&app); }
  ~AppUnderTest() override { fw::RegisterApplication(previous_); }
  App app;

 private:
  fw::Application* previous_;
};

TEST(MenuBar, BindingsNameTwentySixCommandItemsInOrder) {
  const auto& bindings = CommandBindings();
  std::set<std::string> names;
  for (const CommandBinding& b : bindings) {
    names.insert(b.item);
    fw::MenuItem* item = Menu::Menu()->Find(b.item);
    ASSERT_NE(item, nullptr) << b.item;
    EXPECT_EQ(item->Count(), 0) << b.item << " is a command, not a menu";
    EXPECT_FALSE(item->IsSeparator()) << b.item;
  }
  EXPECT_EQ(names.size(), 26u);
  EXPECT_STREQ(bindings.front().item, "ArchivioEsci");
  EXPECT_STREQ(bindings.back().item, "HelpUsefulinfo");
}

TEST_F(AppUnderTest, CommandsWithAHandlerAreBoundByName) {
  _ApplicationAddMenuHandlers();
  for (const CommandBinding& b : CommandBindings())
    EXPECT_EQ(app.HasMenuHandler(b.item), b.handler != nullptr) << b.item;
  EXPECT_TRUE(app.HasMenuHandler("ArchivioEsci"));
  for (const char* unbound : {"Archivio", "UntitledMenu3", "ArchivioRipristina", "EditCopy", "UntitledMenu9"}) {
    EXPECT_FALSE(app.HasMenuHandler(unbound)) << unbound;
    EXPECT_FALSE(app.ChooseMenuItem(unbound)) << unbound;
  }
}

TEST_F(AppUnderTest, SharesTheOneMenuBarAndFindsItsSpecialItems) {
  EXPECT_EQ(app.MenuBar, Menu::Menu());
  EXPECT_EQ(&TheApp(), &app);
  ASSERT_NE(app.ArchivioEsci(), nullptr);
  ASSERT_NE(app.EditPreferenze(), nullptr);
  ASSERT_NE(app.AppleInfosuVelqora(), nullptr);
  EXPECT_EQ(app.ArchivioEsci()->KeyboardShortcut(), "Cmd+Q");
  EXPECT_EQ(app.VisualizzazioneListaContatti(), Menu::Menu()->Find("VisualizzazioneListaContatti"));
}

TEST_F(AppUnderTest, EveryUpdateEnablesTheCommandsAndTheMenuTitles) {
  for (fw::MenuItem* item : AllItems()) item->SetEnabled(false);
  app.UpdateMenuItems();
  int enabledCommands = 0;
  for (const CommandBinding& b : CommandBindings()) enabledCommands += Menu::Menu()->Find(b.item)->Enabled();
  EXPECT_EQ(enabledCommands, 26);
  for (const char* title : {"Archivio", "UntitledMenu3", "Visualizzazione", "HelpMenu", "ArchivioElimina"})
    EXPECT_TRUE(Menu::Menu()->Find(title)->Enabled()) << title;
  for (const char* editing : {"EditUndo", "EditCut", "EditCopy", "EditPaste", "EditClear"})
    EXPECT_FALSE(Menu::Menu()->Find(editing)->Enabled()) << editing;
}

TEST_F(AppUnderTest, WhileCommandsAreRefusedNothingIsDelivered) {
  int chosen = 0;
  app._AddMenuHandler("HelpUsefulinfo", [&] { ++chosen; return true; });
  app.SetMenuCommandsAllowed(false);
  EXPECT_FALSE(app.ChooseMenuItem("HelpUsefulinfo"));
  EXPECT_FALSE(app.HelpUsefulinfo()->Enabled());
  app.SetMenuCommandsAllowed(true);
  EXPECT_TRUE(app.ChooseMenuItem("HelpUsefulinfo"));
  EXPECT_EQ(chosen, 1);
}

}  // namespace
