// The program started as _Main starts it (file types, application object, bindings,
// main window, then the application's open step and the window's), on private
// folders with a fixed clock, and then quit.
//
// The main window is built once per process and, once closed, never again: the
// program is started once for every test here, and the Quit command, which closes the
// window, is the last test of this file. No other test of this program uses the window.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QWidget>

#include "app/app.h"
#include "app/file_types.h"
#include "app/preferences_file.h"
#include "app/start_up.h"
#include "framework/control_widget_qt.h"
#include "framework/controls.h"
#include "framework/devices.h"
#include "framework/thread.h"
#include "framework/timer.h"
#include "mainwindow/fin_main.h"
#include "mainwindow/startup.h"
#include "store/globali.h"
#include "support/test_support.h"

namespace {

using testsupport::FileExists;
using testsupport::ReadFile;
using testsupport::SplitLines;

struct Started {
  testsupport::TempFolders folders;
  bool openedBeforeApplication = true;  // the window's open step had run before App's
  std::vector<fw::String> messages;
};

Started* started = nullptr;

// What saves killed in an earlier run left, beside a file of the user's own.
const char* const kLeftovers[] = {"app/diary database/2026n.txt.velqora-save-ixazbw",
                                  "app/vlqcont.txt.velqora-save-QZXCVB",
                                  "prefs/velqora diary prefs/vlqprefs.txt.velqora-save-Dlgbuc",
                                  "prefs/velqora diary database/2026f.txt.velqora-save-Po1uYt"};
// A user's copy, and what an older version may have left, which nothing tells apart.
const char* const kUsersOwnFiles[] = {"app/vlqcont.txt.backup", "app/vlqcont.txt.QzXcVb"};

void PlantLeftoversOfInterruptedSaves(const testsupport::TempFolders& folders) {
  for (const char* name : kLeftovers) testsupport::WriteFile(folders.root() + "/" + name, "half");
  for (const char* name : kUsersOwnFiles) testsupport::WriteFile(folders.root() + "/" + name, "mine");
}

// The program is started once for the whole test program; its folders go at the end.
class RemoveProgramFolders : public ::testing::Environment {
 public:
  void TearDown() override {
    delete started;
    started = nullptr;
  }
};
const ::testing::Environment* const kRemoveProgramFolders =
    ::testing::AddGlobalTestEnvironment(new RemoveProgramFolders);

// Today is Monday 7 December 2026; the year's notes hold one note, today's.
Started& Program() {
  if (!started) started = [] {
    auto* s = new Started();
    fw::SetClockForTesting([] { return fw::DateTimeParts{2026, 12, 7, 10, 0, 0}; });
    fw::SetDateOrderForTesting(fw::DateOrder::DMY);
    fw::SetMsgBoxHandlerForTesting([s](const fw::String& t) { s->messages.push_back(t); });
    Globali::annoload = 2026;
    Globali::nota.Redim(31, 12);
    Globali::fontecolore.Redim(31, 12);
    for (int32_t m = 1; m <= 12; ++m)
      for (int32_t d = 1; d <= 31; ++d) Globali::fontecolore(d, m) = "112";
    Globali::nota(7, 12) = "Dentist 18:25";
    Globali::salvanote();
    Globali::nota(7, 12) = "";
    Globali::annoload = 0;
    PlantLeftoversOfInterruptedSaves(s->folders);

    StartProgram();
    s->openedBeforeApplication = fin_main::fin_main().HasOpened();
    fw::OpenApplication();
    fw::RunPendingThreadsForTesting();
    return s;
  }();
  return *started;
}

class ProgramTest : public ::testing::Test {
 protected:
  void SetUp() override { Program(); }
  fin_main::Window& win() { return fin_main::fin_main(); }
  std::string app(const std::string& n) const { return Program().folders.app() + "/" + n; }
  std::string prefs(const std::string& n) const { return Program().folders.prefs() + "/" + n; }
  std::string appCopy() const { return app("vlqprefs.txt"); }
  std::string prefsCopy() const { return prefs("velqora diary prefs/vlqprefs.txt"); }
  std::string appNotes() const { return app("diary database/2026n.txt"); }
  std::string prefsNotes() const { return prefs("velqora diary database/2026n.txt"); }
  std::string appContacts() const { return app("vlqcont.txt"); }
  void RemoveWrittenFiles() {
    for (const std::string& f : {appCopy(), prefsCopy(), appNotes(), prefsNotes(), appContacts()})
      std::remove(f.c_str());
  }
};

using StartUp = ProgramTest;
using Quitting = ProgramTest;

TEST_F(StartUp, TheApplicationOpensBeforeTheMainWindowWithTodaySet) {
  EXPECT_FALSE(Program().openedBeforeApplication);
  EXPECT_TRUE(win().HasOpened());
  EXPECT_EQ(Globali::formatodata, 1);
  EXPECT_EQ(Globali::punta, "7/12/2026");
  EXPECT_EQ(Globali::annoload, 2026);
  EXPECT_EQ(Globali::mese, 12);
  EXPECT_EQ(Globali::contpunta, 1);
  // The window loaded the year the application's open step chose.
  EXPECT_EQ(Globali::nota(7, 12), "Dentist 18:25");
  EXPECT_EQ(Globali::notequante, 1);
  EXPECT_EQ(win().Member<fw::StaticText>("mese_label").Text(), "CALENDAR - (1 notes)");
  // What the user types at once goes into today's note, not to the first button
  // ("Previous day", which a blank pressed).
  EXPECT_EQ(fw::TopWidgetOf(win())->focusWidget(), fw::EditorOf(win().Member<fw::EditField>("nota_campo", 0)));
  EXPECT_EQ(FileTypes::pTextPlain.Name, "text/plain");
  EXPECT_EQ(FileTypes::pSpecialAny.MacType, "????");
}

TEST_F(StartUp, LeftoversOfInterruptedSavesAreRemovedAndNothingElse) {
  const std::string root = Program().folders.root() + "/";
  for (const char* name : kLeftovers) EXPECT_FALSE(FileExists(root + name)) << name;
  for (const char* name : kUsersOwnFiles) EXPECT_EQ(ReadFile(root + name), "mine") << name;
}

TEST_F(StartUp, WithoutPreferencesTheWindowIsFullWidthEnglishAndGrey) {
  EXPECT_EQ(win().Width(), 786);
  EXPECT_EQ(win().BackColor(), fw::RGB(230, 230, 230));
  EXPECT_TRUE(win().Member<fw::RadioButton>("RadioBlingua", 1).Value());
  EXPECT_EQ(win().Member<fw::BevelButton>("mese_scegli", 1).Icon(), Globali::p1inv());
  EXPECT_EQ(win().Member<fw::BevelButton>("mese_scegli", 7).Icon(), Globali::p3est());
  EXPECT_EQ(Globali::wordpass, "");
  EXPECT_TRUE(win().Visible()) << "no lock";
  EXPECT_TRUE(Program().messages.size() <= 1u) << "at most the custom language file's message"
                                               << ::testing::PrintToString(Program().messages);
}

TEST_F(StartUp, DayCellsAreLiftedToTheirPlaceAndTheClockRuns) {
  EXPECT_EQ(win().Member<fw::StaticText>("cal_day", 0).Top(), 67);
  EXPECT_EQ(win().Member<fw::StaticText>("cal_day", 41).Top(), 67 + 24 * 5);
  EXPECT_TRUE(win().Member<fw::Timer>("Timer1").Enabled());
  EXPECT_EQ(Globali::testodioggi, win().Member<fw::EditField>("nota_campo", 0).Text());
  EXPECT_EQ(Globali::testodioggi, "Dentist 18:25");
}

TEST_F(StartUp, OneMenuBarWithCommandsBoundAndCaptionsInTheChosenLanguage) {
  EXPECT_EQ(win().MenuBar(), TheApp().MenuBar);
  EXPECT_TRUE(TheApp().HasMenuHandler("ArchivioEsci"));
  EXPECT_EQ(TheApp().ArchivioEsci()->Text(), "Quit");
  EXPECT_EQ(TheApp().Visualizzazione()->Text(), "View");
  EXPECT_EQ(win().ArchivioEsci(), TheApp().ArchivioEsci());
}

// Both the import and the iconise command carry Cmd+I: the first in menu order has it.
TEST_F(StartUp, CtrlIBelongsToTheFirstOfItsTwoItems) {
  QMenuBar* bar = fw::TopWidgetOf(win())->findChild<QMenuBar*>();
  ASSERT_NE(bar, nullptr);
  const QKeySequence ctrlI(Qt::CTRL | Qt::Key_I);
  const QString import = QString::fromStdString(TheApp().ArchivioImportaRubricaIndirizziMacOSX()->Text());
  const QString iconise = QString::fromStdString(TheApp().VisualizzazioneRiduciadicona()->Text());
  int holders = 0;
  bool iconiseSeen = false;
  for (QAction* a : bar->findChildren<QAction*>()) {
    if (a->shortcut() == ctrlI) {
      ++holders;
      EXPECT_TRUE(a->text().contains(import.left(6))) << a->text().toStdString();
    }
    if (a->text().contains(iconise.left(6))) {
      iconiseSeen = true;
      EXPECT_TRUE(a->shortcut().isEmpty());
    }
  }
  EXPECT_EQ(holders, 1);
  EXPECT_TRUE(iconiseSeen);
}

TEST_F(StartUp, WidthFollowsTheViewModeAndOtherValuesLeaveIt) {
  for (auto [mode, width] : {std::pair{1, 522}, {2, 258}, {3, 258}, {0, 786}}) {
    Globali::visua = mode;
    win().visuafinestra();
    EXPECT_EQ(win().Width(), width) << "view " << mode;
  }
  EXPECT_EQ(win().Height(), 546);
}

TEST_F(StartUp, LabelsTurnLightOnADarkBackground) {
  auto colourOf = [&](const char* name) { return win().Member<fw::StaticText>(name).TextColor(); };
  const fw::Color grey = fw::HSV(0, 0, 0.9), black{0, 0, 0};
  win().SetBackColor(fw::RGB(200, 100, 80));  // sums to 380
  win().coloratesti();
  for (const char* label : {"mese_label", "contatti_label", "oggi_testo", "ENG", "ITA", "FRA", "CUS"})
    EXPECT_EQ(colourOf(label), grey) << label;
  EXPECT_EQ(colourOf("calendario_label"), (fw::Color{0x32, 0x00, 0x66})) << "keeps its design colour";
  win().SetBackColor(fw::RGB(200, 100, 81));
  win().coloratesti();
  EXPECT_EQ(colourOf("mese_label"), black);
  win().SetBackColor(fw::RGB(230, 230, 230));
  win().coloratesti();
  EXPECT_EQ(colourOf("CUS"), black);
}

TEST_F(StartUp, ReversedIconsSwapWinterAndSummerOnly) {
  auto icon = [&](int m) { return win().Member<fw::BevelButton>("mese_scegli", m).Icon(); };
  Globali::pref_reverse = true;
  win().reversemonthicons();
  for (int m : {12, 1, 2}) EXPECT_EQ(icon(m), Globali::p3est()) << m;
  for (int m : {6, 7, 8}) EXPECT_EQ(icon(m), Globali::p1inv()) << m;
  EXPECT_EQ(icon(4), Globali::p2pri());
  Globali::pref_reverse = false;
  win().reversemonthicons();
  EXPECT_EQ(icon(1), Globali::p1inv());
  EXPECT_EQ(icon(8), Globali::p3est());
}

TEST_F(StartUp, AStoredColourOrNoneGivesTheWindowItsBackground) {
  Globali::col_r = Globali::col_g = Globali::col_b = 0;
  fin_main::startup::ApplyBackgroundColour(win());
  EXPECT_EQ(win().BackColor(), fw::RGB(230, 230, 230));
  Globali::col_r = 10; Globali::col_g = 20; Globali::col_b = 30;
  fin_main::startup::ApplyBackgroundColour(win());
  EXPECT_EQ(win().BackColor(), fw::RGB(10, 20, 30));
  EXPECT_TRUE(win().HasBackColor());
  Globali::col_r = Globali::col_g = Globali::col_b = 0;
  fin_main::startup::ApplyBackgroundColour(win());
}

TEST_F(StartUp, ResizeEventsRedrawTheClock) {
  auto& canvas = win().Member<fw::Canvas>("Canvas1");
  canvas.Graphics().ClearRect(0, 0, 42, 42);
  Globali::oraattuale = "03:00";
  win().Event_Minimize();
  const fw::Picture drawn = canvas.BackingPicture();
  bool anyInk = false;
  for (int y = 0; y < 42 && !anyInk; ++y)
    for (int x = 0; x < 42 && !anyInk; ++x) anyInk = drawn.Pixel(x, y) != fw::Color{255, 255, 255};
  EXPECT_TRUE(anyInk);
}

// Opening a FIFO for reading waits for a writer that never comes: the preferences step
// of the start-up must neither open it as the alarm sound nor as the background.
TEST_F(StartUp, AFifoAsAlarmSoundOrPictureStartsNormally) {
  const std::string fifo = app("alarm.aiff");
  testsupport::FifoWatch watch(fifo);
  testsupport::WriteFile(prefsCopy(), "1\n0\n\n0\n0\n0\n0\ntrue\ntrue\ntrue\ntrue\n" + fifo + "\ntrue\n" + fifo + "\nfalse\n");
  fin_main::startup::ReadPreferences(win());
  EXPECT_FALSE(watch.ReaderSeen());
  EXPECT_FALSE(Globali::suonodiallarme);
  EXPECT_TRUE(Globali::immaginedisfondo.IsNull());
  EXPECT_EQ(win().Width(), 786);
  RemoveWrittenFiles();
}

TEST_F(Quitting, WritesBothPreferenceCopiesAndSavesWithAutoSaveOn) {
  RemoveWrittenFiles();
  Globali::pref_autosave = true;
  Globali::lingua = 1;
  Globali::password = "";
  Globali::wordpass = "pw";
  win().Event_Close();  // the main window's close box
  EXPECT_TRUE(fw::QuitHasRun());
  const auto lines = SplitLines(ReadFile(appCopy()));
  ASSERT_EQ(lines.size(), 15u);
  EXPECT_EQ(lines[0], "1");
  EXPECT_EQ(lines[2], "pw");
  EXPECT_EQ(ReadFile(prefsCopy()), ReadFile(appCopy()));
  struct stat st{};
  ASSERT_EQ(::stat(prefsCopy().c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0600u);
  EXPECT_TRUE(FileExists(appNotes()));
  EXPECT_TRUE(FileExists(prefsNotes()));
  EXPECT_TRUE(FileExists(appContacts()));

  RemoveWrittenFiles();
  fw::Quit();  // the close step runs once
  EXPECT_FALSE(FileExists(appCopy()));
  fw::ResetQuitForTesting();
}

TEST_F(Quitting, WithAutoSaveOffOnlyThePreferencesAreWritten) {
  RemoveWrittenFiles();
  Globali::pref_autosave = false;
  TheApp().Event_Close();
  EXPECT_TRUE(FileExists(appCopy()));
  EXPECT_TRUE(FileExists(prefsCopy()));
  EXPECT_FALSE(FileExists(appNotes()));
  EXPECT_FALSE(FileExists(appContacts()));
  EXPECT_EQ(SplitLines(ReadFile(appCopy())).at(7), "false");
}

TEST_F(Quitting, ACopyThatCannotBeWrittenStopsNeitherTheOtherNorTheSave) {
  RemoveWrittenFiles();
  testsupport::MakeDirs(appCopy());  // a folder stands where the file goes
  Globali::pref_autosave = true;
  TheApp().Event_Close();
  EXPECT_EQ(SplitLines(ReadFile(prefsCopy())).size(), 15u);
  EXPECT_TRUE(FileExists(appNotes()));
  EXPECT_TRUE(FileExists(appContacts()));
  std::remove(appCopy().c_str());
}

// Mend: when a file can be written nowhere at quit, the user is told which and why and
// may stay, so nothing is lost by quitting; quitting anyway writes nothing twice. A
// quit nobody could ask about (a signal) tells what was lost.
TEST_F(Quitting, AFileWrittenNowhereLetsTheUserStay) {
  RemoveWrittenFiles();
  testsupport::MakeDirs(appCopy());
  std::filesystem::remove_all(prefs("velqora diary prefs"));
  testsupport::WriteFile(prefs("velqora diary prefs"), "a file where the folder should be");
  Globali::pref_autosave = true;
  std::vector<fw::String> asked;
  bool quitAnyway = false;
  fw::SetQuestionHandlerForTesting([&](const fw::String& q) {
    asked.push_back(q);
    return quitAnyway;
  });
  win().Close();
  EXPECT_FALSE(win().IsClosed());
  EXPECT_FALSE(fw::QuitHasRun());
  ASSERT_EQ(asked.size(), 1u);
  EXPECT_EQ(asked[0], "Could not save vlqprefs.txt.\r" + appCopy() + ": a folder is in its place\r" + prefsCopy() +
                          ": its folder is missing\r\rOnly one copy could be saved of:\rvlqcont.txt, not in " +
                          prefs("velqora diary prefs") +
                          ": its folder is missing\r\rQuit anyway? What could not be saved will be lost.");
  EXPECT_TRUE(FileExists(appNotes())) << "what could be written was";

  quitAnyway = true;
  EXPECT_FALSE(TheApp().Event_CancelQuit());
  std::remove(appNotes().c_str());
  const size_t told = Program().messages.size();
  TheApp().Event_Close();
  EXPECT_FALSE(FileExists(appNotes())) << "written once, before the question";
  EXPECT_EQ(Program().messages.size(), told);

  TheApp().Event_Close();
  EXPECT_TRUE(FileExists(appNotes()));
  ASSERT_EQ(Program().messages.size(), told + 1);
  EXPECT_EQ(Program().messages.back(), asked[0].substr(0, asked[0].find("\r\r")));
  fw::SetQuestionHandlerForTesting(nullptr);
  std::filesystem::remove_all(appCopy());
  std::filesystem::remove(prefs("velqora diary prefs"));
}

// Mend: a copy that cannot be written while the other is (its folder not writable, a
// folder or a link that leads nowhere in its place) is told once in a run, with the
// file, its folder and why; nothing is asked, as nothing is lost by quitting.
TEST_F(Quitting, ACopyThatCannotBeWrittenIsToldOnceWithoutAQuestion) {
  if (!testsupport::RunsWithoutPrivileges()) return;
  RemoveWrittenFiles();
  Globali::pref_autosave = true;
  const std::string prefsFolder = prefs("velqora diary prefs");
  std::filesystem::remove(prefs("velqora diary prefs/vlqcont.txt"));
  ASSERT_EQ(::chmod(prefsFolder.c_str(), 0555), 0);
  testsupport::MakeDirs(appNotes());
  std::filesystem::remove(app("diary database/2026f.txt"));
  ASSERT_EQ(::symlink("/nonexistent/2026f.txt", app("diary database/2026f.txt").c_str()), 0);
  std::vector<fw::String> asked;
  fw::SetQuestionHandlerForTesting([&](const fw::String& q) {
    asked.push_back(q);
    return true;
  });
  const size_t told = Program().messages.size();
  EXPECT_FALSE(TheApp().Event_CancelQuit());
  EXPECT_TRUE(asked.empty());
  ASSERT_EQ(Program().messages.size(), told + 1);
  EXPECT_EQ(Program().messages.back(),
            "Only one copy could be saved of:\r"
            "vlqprefs.txt, not in " + prefsFolder + ": no permission to write in its folder\r"
            "2026n.txt, not in " + app("diary database") + ": a folder is in its place\r"
            "2026f.txt, not in " + app("diary database") + ": a link in its place leads where nothing can be written\r"
            "vlqcont.txt, not in " + prefsFolder + ": no permission to write in its folder");
  EXPECT_NE(ReadFile(prefsNotes()).find("Dentist"), std::string::npos) << "the other copy is written";

  EXPECT_FALSE(TheApp().Event_CancelQuit());
  EXPECT_EQ(Program().messages.size(), told + 1) << "told once in a run";
  TheApp().Event_Close();  // the quit that follows writes nothing again
  fw::SetQuestionHandlerForTesting(nullptr);
}

// Last: the window closes for good.
TEST_F(Quitting, TheQuitCommandClosesTheMainWindowAndQuits) {
  RemoveWrittenFiles();
  TheApp().UpdateMenuItems();
  EXPECT_FALSE(TheApp().ChooseMenuItem("ArchivioEsci")) << "handlers answer false";
  EXPECT_TRUE(win().IsClosed());
  EXPECT_TRUE(fw::QuitHasRun());
  EXPECT_TRUE(FileExists(prefsCopy()));
  fw::ResetQuitForTesting();
}

}  // namespace
