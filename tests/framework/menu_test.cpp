// The menu tree, its lookups, and the QMenuBar drawn from it.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QStyle>
#include <QStyleFactory>
#include <QTest>
#include <QToolButton>
#include <memory>

#include "framework/application.h"
#include "framework/menu.h"
#include "framework/menu_qt.h"

namespace {

std::shared_ptr<fw::MenuItem> Item(const char* name, const char* text, const char* key = "",
                                   bool autoEnable = true) {
  auto m = std::make_shared<fw::MenuItem>();
  m->SetName(name);
  m->SetAutoEnable(autoEnable);
  m->SetText(text);
  m->SetKeyboardShortcut(key);
  return m;
}

// A cut of the program's own bar: a file menu with a submenu, separators, a clashing
// shortcut, an item enabled only by the application, and the special quit item.
std::shared_ptr<fw::MenuBar> SampleBar() {
  auto bar = std::make_shared<fw::MenuBar>();
  bar->Append(Item("Archivio", "Archivio", "", false));
  fw::MenuItem& file = *bar->Child("Archivio");
  file.Append(Item("ArchivioImporta", "Importa", "Cmd+I"));
  file.Append(Item("UntitledMenu9", "-"));
  file.Append(Item("ArchivioRipristina", "Ripristina"));
  file.Child("ArchivioRipristina")->Append(Item("RipristinaTutti", "Tutti i dati", "Cmd+O"));
  file.Append(Item("ArchivioStampa", "Stampa..", "Cmd+P", false));
  auto quit = std::make_shared<fw::QuitMenuItem>();
  quit->SetName("ArchivioEsci");
  quit->SetText("Esci");
  quit->SetKeyboardShortcut("Cmd+Q");
  file.Append(quit);
  bar->Append(Item("Visualizzazione", "Visualizzazione", "", false));
  fw::MenuItem& view = *bar->Child("Visualizzazione");
  view.Append(Item("VisualizzazioneRiduci", "Riduci ad icona", "Cmd+I"));
  view.Append(Item("VisualizzazioneLista", "Lista dei contatti", "Cmd+L"));
  return bar;
}

QAction* ActionNamed(QWidget* w, const QString& text) {
  for (QAction* a : w->findChildren<QAction*>())
    if (a->text() == text) return a;
  return nullptr;
}

QMenu* MenuNamed(QWidget* w, const QString& title) {
  for (QMenu* m : w->findChildren<QMenu*>())
    if (m->title() == title) return m;
  return nullptr;
}

// The key presses a widget is given.
class KeyCounter : public QObject {
 public:
  int presses = 0;
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::KeyPress) ++presses;
    return false;
  }
};

class RecordingApp : public fw::Application {
 public:
  int updates = 0;
  bool enablePrint = true;
  void Event_EnableMenuItems() override {
    ++updates;
    if (enablePrint && MenuBar) MenuBar->Find("ArchivioStampa")->Enable();
  }
};

class MenuTest : public ::testing::Test {
 protected:
  void SetUp() override {
    app.MenuBar = SampleBar();
    fw::RegisterApplication(&app);
  }
  void TearDown() override { fw::RegisterApplication(nullptr); }
  // Shows `window` with the menu bar, the Print command's runs counted in `printed`;
  // false where no window becomes active here.
  bool ShowCountingPrints(QMainWindow& window, int& printed) {
    window.setMenuBar(fw::CreateQMenuBar(*app.MenuBar, &window));
    app._AddMenuHandler("ArchivioStampa", [&printed] {
      ++printed;
      return true;
    });
    window.show();
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
  }
  RecordingApp app;
};

TEST(MenuTree, LookupByNameReachesEveryDepth) {
  auto bar = SampleBar();
  EXPECT_EQ(bar->Find("RipristinaTutti")->Text(), "Tutti i dati");
  EXPECT_EQ(bar->Find("RipristinaTutti")->Parent(), bar->Find("ArchivioRipristina"));
  EXPECT_EQ(bar->Find("ArchivioEsci")->ClassName(), "QuitMenuItem");
  EXPECT_EQ(bar->Find("VisualizzazioneLista")->Parent()->Name(), "Visualizzazione");
  EXPECT_EQ(bar->Find("UntitledMenu10"), nullptr);
  // Child looks one level down only.
  EXPECT_EQ(bar->Child("RipristinaTutti"), nullptr);
  EXPECT_NE(bar->Child("Archivio")->Child("ArchivioRipristina"), nullptr);
  EXPECT_TRUE(bar->Find("UntitledMenu9")->IsSeparator());
  EXPECT_EQ(bar->Item(2), nullptr);
  EXPECT_EQ(bar->Item(-1), nullptr);
}

TEST(MenuTree, AnItemLivesInOnePlaceOnly) {
  auto bar = SampleBar();
  auto stray = Item("Stray", "Stray");
  bar->Append(stray);
  bar->Child("Archivio")->Append(stray);  // already placed
  auto file = bar->Find("Archivio");
  const int before = file->Count();
  std::shared_ptr<fw::MenuItem> self(bar, bar.get());
  file->Append(self);  // the bar below its own menu would be a cycle
  EXPECT_EQ(file->Count(), before);
  EXPECT_EQ(stray->Parent(), bar.get());
}

TEST(MenuShortcut, CmdIsTakenAsCtrl) {
  using fw::MenuShortcutToKeySequence;
  EXPECT_EQ(MenuShortcutToKeySequence("Cmd+S"), QKeySequence("Ctrl+S"));
  EXPECT_EQ(MenuShortcutToKeySequence("Cmd+,"), QKeySequence("Ctrl+,"));
  EXPECT_EQ(MenuShortcutToKeySequence("Cmd+1"), QKeySequence("Ctrl+1"));
  EXPECT_EQ(MenuShortcutToKeySequence("Cmd+Shift+X"), QKeySequence("Ctrl+Shift+X"));
  EXPECT_EQ(MenuShortcutToKeySequence("Cmd++"), QKeySequence(Qt::CTRL | Qt::Key_Plus));
  EXPECT_TRUE(MenuShortcutToKeySequence("").isEmpty());
  EXPECT_TRUE(MenuShortcutToKeySequence("Cmd+").isEmpty());
  EXPECT_TRUE(MenuShortcutToKeySequence("Hyper+X").isEmpty());
}

TEST_F(MenuTest, TheBarShowsTheTreeAndFollowsItsChanges) {
  std::unique_ptr<QMenuBar> bar(fw::CreateQMenuBar(*app.MenuBar, nullptr));
  ASSERT_EQ(bar->actions().size(), 2);
  EXPECT_EQ(bar->actions()[0]->text(), "Archivio");
  QMenu* file = bar->actions()[0]->menu();
  ASSERT_NE(file, nullptr);
  const auto items = file->actions();
  ASSERT_EQ(items.size(), 5);
  EXPECT_TRUE(items[1]->isSeparator());
  ASSERT_NE(items[2]->menu(), nullptr);
  EXPECT_EQ(items[2]->menu()->actions()[0]->text(), "Tutti i dati");
  EXPECT_EQ(items[4]->menuRole(), QAction::QuitRole);

  fw::MenuItem& list = *app.MenuBar->Find("VisualizzazioneLista");
  list.SetText("List of contacts & more");
  list.SetChecked(true);
  QAction* shown = ActionNamed(bar.get(), "List of contacts && more");
  ASSERT_NE(shown, nullptr);  // a caption's "&" shows as itself, never a mnemonic
  EXPECT_TRUE(shown->isChecked());
  list.SetChecked(false);
  EXPECT_FALSE(shown->isChecked());
  list.SetEnabled(false);
  EXPECT_FALSE(shown->isEnabled());
  app.MenuBar->Find("Archivio")->SetText("File");
  EXPECT_EQ(bar->actions()[0]->text(), "File");

  app.MenuBar->Find("Visualizzazione")->Append(Item("Nuovo", "Nuovo", "Cmd+N"));
  QAction* added = ActionNamed(bar.get(), "Nuovo");
  ASSERT_NE(added, nullptr);
  EXPECT_EQ(added->shortcut(), QKeySequence("Ctrl+N"));
}

TEST_F(MenuTest, AShortcutClaimedTwiceGoesToTheFirstInMenuOrder) {
  std::unique_ptr<QMenuBar> bar(fw::CreateQMenuBar(*app.MenuBar, nullptr));
  EXPECT_EQ(ActionNamed(bar.get(), "Importa")->shortcut(), QKeySequence("Ctrl+I"));
  EXPECT_TRUE(ActionNamed(bar.get(), "Riduci ad icona")->shortcut().isEmpty());
  EXPECT_EQ(ActionNamed(bar.get(), "Stampa..")->shortcut(), QKeySequence("Ctrl+P"));
  // The model keeps both claims; once the first lets go, the second shows its key.
  EXPECT_EQ(app.MenuBar->Find("VisualizzazioneRiduci")->KeyboardShortcut(), "Cmd+I");
  app.MenuBar->Find("ArchivioImporta")->SetKeyboardShortcut("");
  EXPECT_EQ(ActionNamed(bar.get(), "Riduci ad icona")->shortcut(), QKeySequence("Ctrl+I"));
}

TEST_F(MenuTest, OpeningAMenuBringsTheEnabledStatesUpToDate) {
  std::unique_ptr<QMenuBar> bar(fw::CreateQMenuBar(*app.MenuBar, nullptr));
  QAction* print = ActionNamed(bar.get(), "Stampa..");
  EXPECT_TRUE(print->isEnabled());  // enabled by the application, AutoEnable off
  app.enablePrint = false;
  const int before = app.updates;
  emit MenuNamed(bar.get(), "Visualizzazione")->aboutToShow();
  EXPECT_GT(app.updates, before);
  EXPECT_FALSE(print->isEnabled());
  EXPECT_TRUE(bar->actions()[0]->isEnabled());  // a title, AutoEnable off, still opens
}

TEST_F(MenuTest, ChoosingAnItemRunsItsHandlerAndTheModelKeepsTheTick) {
  std::unique_ptr<QMenuBar> bar(fw::CreateQMenuBar(*app.MenuBar, nullptr));
  int chosen = 0;
  app._AddMenuHandler("VisualizzazioneLista", [&] {
    ++chosen;
    return true;  // leaves the tick alone
  });
  fw::MenuItem& list = *app.MenuBar->Find("VisualizzazioneLista");
  list.SetChecked(true);
  QAction* action = ActionNamed(bar.get(), "Lista dei contatti");
  action->trigger();  // Qt would untick it by itself
  EXPECT_EQ(chosen, 1);
  EXPECT_TRUE(action->isChecked());
  EXPECT_TRUE(list.Checked());
}

TEST_F(MenuTest, KeyboardShortcutsRunCommandsUnlessTheLockScreenIsUp) {
  QMainWindow window;
  int printed = 0;
  if (!ShowCountingPrints(window, printed)) GTEST_SKIP() << "no active window here";

  // The item is enabled by the application only: the update before the key is taken
  // is what lets the shortcut through.
  app.enablePrint = false;
  emit MenuNamed(&window, "Archivio")->aboutToShow();
  app.enablePrint = true;
  QTest::keyClick(&window, Qt::Key_P, Qt::ControlModifier);
  EXPECT_EQ(printed, 1);

  app.SetMenuCommandsAllowed(false);
  QTest::keyClick(&window, Qt::Key_P, Qt::ControlModifier);
  EXPECT_EQ(printed, 1);
  app.SetMenuCommandsAllowed(true);
  QTest::keyClick(&window, Qt::Key_P, Qt::ControlModifier);
  EXPECT_EQ(printed, 2);
}

// With a layout that has no Latin letters (setxkbmap ru, gr), the X server gives the
// Ctrl key a letter of its own script, which no shortcut names: the command is the one
// on the key's place on a Latin keyboard, run once, and nothing is typed. The events
// are those Qt's X plugin gives for Ctrl+P there, as measured on a real display.
TEST_F(MenuTest, ShortcutsGoByTheKeysPlaceOnALayoutWithoutLatinLetters) {
  app.MenuBar->Append(Item("UntitledMenu3", "Edit", "", false));
  app.MenuBar->Child("UntitledMenu3")->Append(Item("EditUndo", "Annulla", "Cmd+Z", false));
  QMainWindow window;
  auto* field = new QLineEdit;
  window.setCentralWidget(field);
  KeyCounter heard;
  field->installEventFilter(&heard);
  int printed = 0;
  ASSERT_TRUE(ShowCountingPrints(window, printed));
  field->setFocus();
  const auto press = [&](int key, Qt::KeyboardModifiers mods, quint32 keysym, const QString& text) {
    const quint32 nativeMods = (mods & Qt::ShiftModifier ? 0x1 : 0) | (mods & Qt::ControlModifier ? 0x4 : 0);
    // No shortcut takes the key: the field is offered it, then gets it.
    for (QEvent::Type type : {QEvent::ShortcutOverride, QEvent::KeyPress}) {
      QKeyEvent e(type, key, mods, 33, keysym, nativeMods, text);
      QApplication::sendEvent(field, &e);
    }
  };
  press(0x417, Qt::ControlModifier, 0x6da, QStringLiteral(u"\u0437"));  // Russian: Ctrl+з
  EXPECT_EQ(printed, 1);
  press(0x3a0, Qt::ControlModifier, 0x7f0, QStringLiteral(u"\u03c0"));  // Greek: Ctrl+π
  EXPECT_EQ(printed, 2);
  // Ctrl+Shift+P claims no command: the key goes on to the field, which types nothing.
  press(0x3a0, Qt::ControlModifier | Qt::ShiftModifier, 0x7d0, QStringLiteral(u"\u03a0"));
  EXPECT_EQ(printed, 2);
  EXPECT_EQ(field->text(), QString());
  // Another modifier held with Ctrl makes another shortcut, which no command has.
  press(0x417, Qt::ControlModifier | Qt::MetaModifier, 0x6da, QStringLiteral(u"\u0437"));
  EXPECT_EQ(printed, 2);
  field->clear();
  // Without Ctrl the letter is typed as ever.
  press(0x417, Qt::NoModifier, 0x6da, QStringLiteral(u"\u0437"));
  EXPECT_EQ(printed, 2);
  EXPECT_EQ(field->text(), QStringLiteral(u"\u0437"));
  // Ctrl+Z is the field's own undo before it is the menu's: the field hears the key (Ctrl+я).
  const int before = heard.presses;
  for (QEvent::Type type : {QEvent::ShortcutOverride, QEvent::KeyPress}) {
    QKeyEvent e(type, 0x42f, Qt::ControlModifier, 52, 0x6d1, 0x4, QStringLiteral(u"\u044f"));
    QApplication::sendEvent(field, &e);
  }
  EXPECT_EQ(field->text(), QString());
  EXPECT_EQ(heard.presses, before + 1);
}

TEST_F(MenuTest, TheBarAndTheTreeMayGoInEitherOrder) {
  auto tree = SampleBar();
  auto* bar = fw::CreateQMenuBar(*tree, nullptr);
  tree.reset();
  ActionNamed(bar, "Stampa..")->trigger();  // the tree is gone: nothing happens
  delete bar;

  tree = SampleBar();
  bar = fw::CreateQMenuBar(*tree, nullptr);
  delete bar;
  tree->Find("Archivio")->SetText("File");  // nobody listens any more
  EXPECT_EQ(tree->Find("Archivio")->Text(), "File");
}

}  // namespace

// The overflow button's icon is read only when shown; shown, it is the desktop
// style's own (the toolkit's own style where there is no desktop, as here): its
// pixmaps, its painting and the button drawn with it are that icon's, at a screen
// pixel ratio of 2 too (the "hidpi" run).
TEST_F(MenuTest, ABarTooNarrowForItsMenusShowsTheStylesOverflowIconAtAnyPixelRatio) {
  QMainWindow window;
  window.setMenuBar(fw::CreateQMenuBar(*app.MenuBar, &window));
  window.resize(40, 60);
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  QToolButton* overflow = nullptr;
  for (QToolButton* b : window.menuBar()->findChildren<QToolButton*>())
    if (b->isVisible()) overflow = b;
  ASSERT_NE(overflow, nullptr);
  std::unique_ptr<QStyle> desktopStyle(QStyleFactory::create("Fusion"));
  ASSERT_NE(desktopStyle, nullptr);
  const QIcon ownIcon = desktopStyle->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton);
  const QImage shown = overflow->icon().pixmap(QSize(16, 16)).toImage();
  const QImage own = ownIcon.pixmap(QSize(16, 16)).toImage();
  ASSERT_FALSE(own.isNull());
  EXPECT_EQ(shown, own);

  // Painted into a box of another shape than its own, as an item view paints icons.
  auto painted = [](const QIcon& icon) {
    QImage image(QSize(12, 12) * qApp->devicePixelRatio(), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(qApp->devicePixelRatio());
    image.fill(Qt::transparent);
    QPainter painter(&image);
    icon.paint(&painter, QRect(0, 0, 9, 7));
    return image;
  };
  EXPECT_EQ(painted(overflow->icon()), painted(ownIcon));

  const QImage drawn = overflow->grab().toImage();
  overflow->setIcon(ownIcon);
  EXPECT_EQ(drawn, overflow->grab().toImage());
}
