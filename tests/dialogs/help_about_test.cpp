// The help and about windows through their menu commands, in front of the real main
// window: the help text and its place beside the main window, the about window's
// painted backdrop and its two links through the ShowURL seam.
#include <gtest/gtest.h>

#include <QPlainTextEdit>
#include <QPoint>
#include <QScrollBar>
#include <QTextBlock>
#include <QtTest/QTest>

#include <string>
#include <vector>

#include "app/app.h"
#include "app/command_bindings.h"
#include "dialogs/fin_help.h"
#include "dialogs/info.h"
#include "framework/control_widget_qt.h"
#include "framework/controls.h"
#include "framework/devices.h"
#include "store/globali.h"
#include "support/main_window_fixture.h"

namespace {

class SecondaryWindows : public testsupport::MainWindowFixture {
 protected:
  void SetUp() override {
    MainWindowFixture::SetUp();
    fw::ResetApplicationForTesting();
    fw::OpenApplication();
    previousApp_ = fw::TheApplication();
    fw::RegisterApplication(&app_);
    _ApplicationAddMenuHandlers();
    fw::SetShowURLHandlerForTesting([this](const fw::String& url) { urls.push_back(url); });
  }
  void TearDown() override {
    if (fin_help::Window* w = fin_help::OpenWindowForTesting()) w->Close();
    if (info::Window* w = info::OpenWindowForTesting()) w->Close();
    fw::SetShowURLHandlerForTesting(nullptr);
    Globali::lingua = 1;
    fw::RegisterApplication(previousApp_);
    fw::ResetApplicationForTesting();
    MainWindowFixture::TearDown();
  }

  fin_help::Window& Help() {
    EXPECT_FALSE(app_.ChooseMenuItem("HelpUsefulinfo"));
    fin_help::Window* w = fin_help::OpenWindowForTesting();
    EXPECT_NE(w, nullptr);
    return *w;
  }
  info::Window& About() {
    EXPECT_FALSE(app_.ChooseMenuItem("AppleInfosuVelqora"));
    info::Window* w = info::OpenWindowForTesting();
    EXPECT_NE(w, nullptr);
    return *w;
  }

  std::vector<fw::String> urls;

 private:
  App app_;
  fw::Application* previousApp_ = nullptr;
};

TEST_F(SecondaryWindows, HelpShowsTheEnglishTipsInEveryLanguage) {
  Globali::lingua = 3;
  fin_help::Window& w = Help();
  EXPECT_EQ(w.Title(), "Help and tips");
  EXPECT_EQ(w.Width(), 600);
  EXPECT_EQ(w.Height(), 360);
  EXPECT_EQ(w.Frame(), 3);
  EXPECT_TRUE(w.CloseButton());
  const fw::EditField& text = w.Member<fw::EditField>("EditField1");
  EXPECT_TRUE(text.ReadOnly());
  EXPECT_TRUE(text.MultiLine());
  EXPECT_EQ(text.Alignment(), 2);
  const fw::String t = text.Text();
  EXPECT_EQ(t.size(), 1485u);
  EXPECT_EQ(t.rfind("\r\r"), t.size() - 2);
  EXPECT_EQ(t.find("Auto-Save:\rAs default, auto-save is on"), 0u);
  EXPECT_NE(t.find("\r\rReminder:\r"), fw::String::npos);
  EXPECT_NE(t.find("If you edit the included \"LANGUAGE.txt\" text file"), fw::String::npos);
  EXPECT_EQ(t.find('\n'), fw::String::npos);
}

// Mend: the tips say what the program does: how "am" and "pm" are read, and which
// files serve as the custom sound and the background picture here.
TEST_F(SecondaryWindows, HelpTipsAgreeWithTheProgram) {
  const fw::String t = Help().Member<fw::EditField>("EditField1").Text();
  for (const char* told : {"6:25pm and 6:25 pm ring at 18:25", "12:30pm at 12:30 and 12:30am at 00:30",
                           "(a WAV, AIFF, MP3, Ogg or FLAC file)", "(a PNG, JPEG, GIF, BMP or SVG file)"})
    EXPECT_NE(t.find(told), fw::String::npos) << told;
  for (const char* wrong : {"6:25 pm is ignored", "quicktime"}) EXPECT_EQ(t.find(wrong), fw::String::npos) << wrong;
}

// Mend: with the Linux fonts the last paragraph was hidden below the field's edge, and
// the field, read-only and without a scroll bar, could not be scrolled to it.
TEST_F(SecondaryWindows, TheWholeHelpTextCanBeRead) {
  fin_help::Window& w = Help();
  ProcessEvents();
  auto* editor = static_cast<QPlainTextEdit*>(fw::EditorOf(w.Member<fw::EditField>("EditField1")));
  QScrollBar* bar = editor->verticalScrollBar();
  ASSERT_GT(bar->maximum(), 0) << "the text is taller than the field here";
  EXPECT_TRUE(bar->isVisible());
  bar->setValue(bar->maximum());
  ProcessEvents();
  QTextBlock last = editor->document()->lastBlock();
  while (last.text().isEmpty()) last = last.previous();  // the text ends in line breaks
  ASSERT_TRUE(last.text().startsWith("If you edit"));
  QTextCursor end(last);
  end.movePosition(QTextCursor::EndOfBlock);
  EXPECT_LE(editor->cursorRect(end).bottom(), editor->viewport()->height()) << "the last paragraph is in view";
}

TEST_F(SecondaryWindows, HelpCommandPutsTheWindowBesideTheMainWindowAgainAndAgain) {
  win().SetLeft(40);
  win().SetTop(30);
  fin_help::Window& w = Help();
  EXPECT_EQ(w.Left(), win().Left() + 153);
  EXPECT_EQ(w.Top(), win().Top() + 100);
  EXPECT_TRUE(w.Visible());

  w.SetLeft(500);
  w.SetTop(400);
  win().SetLeft(70);
  fin_help::Window& again = Help();
  EXPECT_EQ(&again, &w) << "the open window is reused";
  EXPECT_EQ(again.Left(), win().Left() + 153);
  EXPECT_EQ(again.Top(), win().Top() + 100);
  EXPECT_TRUE(again.Visible());

  w.Close();  // the close box ends it; the command builds a new one
  fin_help::Window& fresh = Help();
  EXPECT_FALSE(fresh.IsClosed());
  EXPECT_EQ(fresh.Left(), win().Left() + 153);
}

TEST_F(SecondaryWindows, AboutPaintsAPastelRainbowFadingToWhite) {
  info::Window& w = About();
  EXPECT_EQ(w.Title(), "Info");
  EXPECT_EQ(w.Frame(), 2);
  EXPECT_FALSE(w.CloseButton());
  const fw::Picture p = w.Backdrop();
  ASSERT_TRUE(p);
  EXPECT_EQ(p.Width(), 300);
  EXPECT_EQ(p.Height(), 320);
  EXPECT_EQ(p.Pixel(0, 0), fw::HSV(0, 0.5, 1.0));
  EXPECT_EQ(p.Pixel(0, 319), fw::HSV(0, 0.5, 1.0));
  EXPECT_EQ(p.Pixel(150, 160), fw::HSV(0.5, 0.25, 1.0));
  const fw::Color right = p.Pixel(299, 10);
  EXPECT_GE(right.r + right.g + right.b, 3 * 252) << "nearly white at the right edge";
  EXPECT_EQ(w.Member<fw::StaticText>("StaticText1").Text(), "Velqora - v2.0.0");
}

TEST_F(SecondaryWindows, AboutLinksUnderlineAndOpenWhileTheWindowStays) {
  info::Window& w = About();
  for (const char* name : {"StaticText2", "StaticText3"}) {
    fw::StaticText& link = w.Member<fw::StaticText>(name);
    EXPECT_FALSE(link.Underline());
    link._RaiseAction("MouseEnter");
    EXPECT_TRUE(link.Underline()) << name;
    link._RaiseAction("MouseExit");
    EXPECT_FALSE(link.Underline()) << name;
  }
  Click(w.Member<fw::StaticText>("StaticText2"));
  Click(w.Member<fw::StaticText>("StaticText3"));
  ASSERT_EQ(urls.size(), 2u);
  EXPECT_EQ(urls[0].rfind("http://", 0), 0u);
  EXPECT_EQ(urls[1].rfind("mailto:", 0), 0u);
  EXPECT_NE(w.Member<fw::StaticText>("StaticText3").Text().find(urls[1].substr(7)), fw::String::npos)
      << "the mail link opens the address it shows";
  EXPECT_EQ(info::OpenWindowForTesting(), &w);
}

TEST_F(SecondaryWindows, AClickOnTheAboutWindowClosesItAndTheNextOpeningPaintsAgain) {
  info::Window& w = About();
  const fw::Picture first = w.Backdrop();
  // Between the mail line and the motto, where no text lies.
  QTest::mouseClick(fw::ContentWidgetOf(w), Qt::LeftButton, Qt::NoModifier, QPoint(5, 93));
  EXPECT_TRUE(w.IsClosed());
  EXPECT_EQ(info::OpenWindowForTesting(), nullptr);
  info::Window& next = About();
  EXPECT_TRUE(next.Backdrop());
  EXPECT_NE(next.Backdrop(), first);
}

}  // namespace
