#include "support/main_window_fixture.h"

#include <QApplication>

#include "framework/control_widget_qt.h"

namespace {

using Fixture = testsupport::MainWindowFixture;

TEST_F(Fixture, TypingReachesTheRealField) {
  fw::EditField& f = NoteField(0);
  f.SetText("");
  Type(f, "abc");
  EXPECT_EQ(f.Text(), "abc");
  EXPECT_TRUE(fw::EditorOf(f)->hasFocus());
}

}  // namespace
