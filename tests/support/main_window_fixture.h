#pragma once
// The one fixture for tests that drive the real main window offscreen.
//
// Each test gets private application and preferences folders, a fixed clock (the
// `today` member, 2026-12-07 10:00 unless the test's constructor changes it), the
// day/month/year date order, captured message boxes, and Globali back at the values
// the program starts with, followed by the application's open step (date order,
// today, shown and loaded month and year, selected day, contact positions).
//
// The main window is the program's single instance: built by the first test that
// asks for it and reused by every later one. The application object is not opened
// here, so the window's own open step does not run by itself; ShowDiary() does the
// diary's share of it (texts, language, the loaded year's notes from the private
// folder, grid and panel) so that a test starts from a filled window. A test that
// writes notes into Globali shows them with Rebuild() or SelectDay(); ShowDiary()
// would load the year from the files again.
//
// Input goes through the real widgets: Type() and Key() send key events to a note
// or contact field's editor, Click() a mouse click to any control.
#include <gtest/gtest.h>

#include <QPoint>
#include <QtTest/QTest>
#include <memory>
#include <string>
#include <vector>

#include "framework/controls.h"
#include "framework/date.h"
#include "mainwindow/fin_main.h"
#include "support/test_support.h"

namespace testsupport {

class MainWindowFixture : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // The clock every new fw::Date reads; set it in the test's constructor to start
  // on another day, or call SetClock during a test (which leaves Globali alone).
  fw::DateTimeParts today{2026, 12, 7, 10, 0, 0};
  void SetClock(const fw::DateTimeParts& now);

  // Globali as at program start, then the application's open step for `today`.
  void ResetGlobali();
  void ApplicationOpenStep();
  // The diary part of the window's open step: text table, language radio button,
  // captions, the loaded year's notes, month label, month grid and day panel.
  void ShowDiary();
  // Selects a day the way the program stores it, then rebuilds grid and panel.
  void SelectDay(int day, int month, int year);
  // The month grid, then the day panel, from Globali as it stands.
  void Rebuild();

  fin_main::Window& win() const;
  template <class T>
  T& Member(const fw::String& name) const { return win().Member<T>(name); }
  template <class T>
  T& Member(const fw::String& name, int32_t index) const { return win().Member<T>(name, index); }
  fw::EditField& NoteField(int index) const { return Member<fw::EditField>("nota_campo", index); }
  fw::StaticText& DayCell(int index) const { return Member<fw::StaticText>("cal_day", index); }

  // Focuses the field and types the text (UTF-8) key by key into its editor; a
  // character beyond ASCII comes as a key that carries it.
  void Type(fw::EditField& field, const std::string& text);
  // Text a dead key or the compose key makes (UTF-8), as the input method commits it:
  // no key press reaches the field.
  void Compose(fw::EditField& field, const std::string& text);
  // One key press into the focused field, e.g. Key(f, Qt::Key_A, Qt::ControlModifier).
  void Key(fw::EditField& field, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
  // A mouse click on the control's widget, at its centre unless a point is given.
  void Click(fw::RectControl& control, Qt::MouseButton button = Qt::LeftButton, QPoint at = QPoint());
  // Delivers queued Qt events (posted keys, repaints, timers).
  void ProcessEvents();

  // The path of a file in the private application or preferences folder.
  std::string app(const std::string& name) const { return folders_->app() + "/" + name; }
  std::string prefs(const std::string& name) const { return folders_->prefs() + "/" + name; }

  // The program's application object with its menu commands, registered and opened
  // in place of the one before; StopProgramApplication puts that one back.
  void StartProgramApplication();
  void StopProgramApplication();

  std::vector<fw::String> messages;  // message boxes shown, in order

 private:
  std::unique_ptr<TempFolders> folders_;
  fw::Application* previousApp_ = nullptr;
};

}  // namespace testsupport
