// Typing into the note fields: the note table follows every change at the field's
// own date, today's note feeds the reminder scan, Return, leaving a field and a drop
// on another field update the grid, Ctrl+A selects the note, and no keystroke lands on another day.
#include <QApplication>
#include <QCoreApplication>
#include <QAbstractScrollArea>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMimeData>

#include "diary_helpers.h"
#include "framework/control_widget_qt.h"
#include "framework/thread.h"
#include "store/globali.h"

namespace {

using NoteEditing = diarytest::Diary;

bool ScanRequested() { return fin_main::fin_main().Member<fw::Thread>("trovasveglia").IsQueuedOrRunning(); }

TEST_F(NoteEditing, TypingStoresTheNoteAtOnce) {
  Type(NoteField(0), "call mum");
  EXPECT_EQ(Globali::nota(7, 12), "call mum");
  Type(NoteField(2), "x");
  EXPECT_EQ(Globali::nota(9, 12), "x");
}

TEST_F(NoteEditing, StoresAtTheFieldsDateAcrossAMonthEnd) {
  SelectDay(30, 4, 2026);
  Type(NoteField(3), "third of may");
  EXPECT_EQ(Globali::nota(3, 5), "third of may");

  SelectDay(28, 2, 2028);
  Type(NoteField(1), "leap");
  EXPECT_EQ(Globali::nota(29, 2), "leap");
  SelectDay(28, 2, 2027);
  Type(NoteField(1), "march");
  EXPECT_EQ(Globali::nota(1, 3), "march");
  EXPECT_EQ(Globali::nota(29, 2), "");

  SelectDay(28, 2, 2000);
  Type(NoteField(1), "century leap day");
  EXPECT_EQ(Globali::nota(29, 2), "century leap day");
}

// Mend: a note's no-break spaces became spaces as soon as the note was shown, and the
// changed note was stored and saved.
TEST_F(NoteEditing, ANoteKeepsItsExactTextThroughShowingTypingSavingAndLoading) {
  const std::string french = "Rendez-vous\u00A0: 9\u202Fh\tchez «\u00A0Zoe\u0301\u00A0»\rpuis le\u00A0train";
  Globali::nota(8, 12) = french;
  Rebuild();
  EXPECT_EQ(NoteField(1).Text(), french);
  EXPECT_EQ(Globali::nota(8, 12), french) << "shown, the note is stored as it was";
  Type(NoteField(2), "Note\u00A0: cafe\u0301 \u202F!");
  EXPECT_EQ(Globali::nota(9, 12), "Note\u00A0: cafe\u0301 \u202F!") << "typed";

  ASSERT_TRUE(Globali::salvanote());
  Globali::nota(8, 12) = Globali::nota(9, 12) = "";
  Globali::ripristinanote();
  Rebuild();
  EXPECT_EQ(Globali::nota(8, 12), french);
  EXPECT_EQ(NoteField(1).Text(), french);
  EXPECT_EQ(Globali::nota(9, 12), "Note\u00A0: cafe\u0301 \u202F!");
}

TEST_F(NoteEditing, EditingTodaysFieldSetsTodaysNoteAndRestartsTheScan) {
  fw::RunPendingThreadsForTesting();
  SelectDay(5, 12, 2026);  // today is field 2
  Globali::testodioggi = "";
  Type(NoteField(0), "not today");
  EXPECT_EQ(Globali::testodioggi, "");
  EXPECT_FALSE(ScanRequested());
  Type(NoteField(2), "18:25 train");
  EXPECT_EQ(Globali::testodioggi, "18:25 train");
  EXPECT_TRUE(ScanRequested());
}

TEST_F(NoteEditing, EmptyingANoteStoresNothingAndItsMarkerGoesAtTheNextRebuild) {
  Globali::nota(7, 12) = "old";
  Rebuild();
  const int cell = CellOf(7);
  ASSERT_TRUE(Marker(cell).Visible());
  NoteField(0).SetFocus();
  NoteField(0).SetSelStart(0);
  NoteField(0).SetSelLength(3);
  Key(NoteField(0), Qt::Key_Backspace);
  EXPECT_EQ(Globali::nota(7, 12), "");
  EXPECT_TRUE(Marker(cell).Visible());
  Key(NoteField(0), Qt::Key_Return);
  EXPECT_FALSE(Marker(cell).Visible());
}

TEST_F(NoteEditing, ReturnRebuildsTheGridAndStillBreaksTheLine) {
  Type(NoteField(1), "first");
  EXPECT_FALSE(Marker(CellOf(8)).Visible());
  Key(NoteField(1), Qt::Key_Return);
  EXPECT_TRUE(Marker(CellOf(8)).Visible());
  Type(NoteField(1), "second");
  EXPECT_EQ(Globali::nota(8, 12), "first\rsecond");
}

TEST_F(NoteEditing, LeavingTheFieldShowsTheDaysMarker) {
  Type(NoteField(3), "dentist");
  EXPECT_FALSE(Marker(CellOf(10)).Visible());
  NoteField(4).SetFocus();
  ProcessEvents();
  EXPECT_TRUE(Marker(CellOf(10)).Visible());
}

// Mend: text dropped on a note the user was not in (from another program or another
// day's note) was stored, but its day's marker waited for some other note to be left.
TEST_F(NoteEditing, TextDroppedOnAnotherFieldShowsTheDaysMarker) {
  NoteField(4).SetFocus();
  ProcessEvents();
  auto* editor = qobject_cast<QAbstractScrollArea*>(fw::EditorOf(NoteField(3)));
  ASSERT_NE(editor, nullptr);
  QMimeData dragged;
  dragged.setText("dentist");
  QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &dragged, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(editor->viewport(), &enter);
  QDragMoveEvent move(QPoint(5, 5), Qt::CopyAction, &dragged, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(editor->viewport(), &move);
  QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &dragged, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(editor->viewport(), &drop);
  EXPECT_EQ(Globali::nota(10, 12), "dentist");
  EXPECT_TRUE(Marker(CellOf(10)).Visible());
}

TEST_F(NoteEditing, CtrlASelectsTheWholeNote) {
  Type(NoteField(0), "hello world");
  NoteField(0).SetSelStart(3);
  NoteField(0).SetSelLength(0);
  Key(NoteField(0), Qt::Key_A, Qt::ControlModifier);
  EXPECT_EQ(NoteField(0).SelStart(), 0);
  EXPECT_EQ(NoteField(0).SelLength(), 11);
  EXPECT_EQ(NoteField(0).Text(), "hello world");

  NoteField(1).SetText("");
  Key(NoteField(1), Qt::Key_A, Qt::ControlModifier);
  EXPECT_EQ(NoteField(1).SelLength(), 0);
}

class NoteEditingAtYearEnd : public diarytest::Diary {
 protected:
  NoteEditingAtYearEnd() { today = {2027, 1, 1, 8, 0, 0}; }
};

TEST_F(NoteEditingAtYearEnd, NoWriteFromAFieldOfAnotherYearReachesTheLoadedYear) {
  SelectDay(29, 12, 2026);  // loads 2026; field 3 is 1 January 2027, today
  ASSERT_EQ(Globali::annoload, 2026);
  Globali::nota(1, 1) = "1 January 2026";
  Globali::testodioggi = "today's note";
  NoteField(3).SetText("typed into 2027");  // text set from code raises the change too
  EXPECT_EQ(Globali::nota(1, 1), "1 January 2026");
  EXPECT_EQ(Globali::testodioggi, "today's note");

  // The selection in another year than the loaded one: every field is outside it.
  Globali::punta = Globali::stringacrea(10, 3, 2027);
  for (int i = 0; i < 7; ++i) NoteField(i).SetText("stray");
  for (int d = 10; d < 17; ++d) EXPECT_EQ(Globali::nota(d, 3), "") << d;
}

// A thread body that runs inside a yield of the grid's rebuild and posts a keystroke
// to field 0, as the user typing at that moment would.
class KeyDuringRebuild : public fw::Thread {
 public:
  explicit KeyDuringRebuild(fw::EditField& field) : field_(field) {}
  void Event_Run() override {
    textWhenPosted = field_.Text();
    selectedWhenPosted = Globali::punta;
    QCoreApplication::postEvent(fw::EditorOf(field_), new QKeyEvent(QEvent::KeyPress, Qt::Key_Z, Qt::NoModifier, "z"));
    QCoreApplication::postEvent(fw::EditorOf(field_), new QKeyEvent(QEvent::KeyRelease, Qt::Key_Z, Qt::NoModifier, "z"));
    posted = true;
  }
  bool posted = false;
  fw::String textWhenPosted, selectedWhenPosted;

 private:
  fw::EditField& field_;
};

TEST_F(NoteEditing, AKeyTypedDuringARebuildLandsAfterItOnTheFieldsNewDay) {
  Globali::nota(7, 12) = "monday";
  Globali::nota(8, 12) = "tuesday";
  Rebuild();
  NoteField(0).SetFocus();
  ProcessEvents();
  NoteField(0).SetSelStart(6);  // the caret after the text

  KeyDuringRebuild typist(NoteField(0));
  typist.Run();  // queued: its body runs at the first yield of the next rebuild
  Button("PushButton2").Push();  // next day: grid, then panel
  ASSERT_TRUE(typist.posted);
  EXPECT_EQ(typist.selectedWhenPosted, "8/12/2026");  // posted mid-step
  EXPECT_EQ(typist.textWhenPosted, "monday");         // before the panel moved
  EXPECT_EQ(NoteField(0).Text(), "tuesday");          // the key has not landed yet
  EXPECT_EQ(Globali::nota(7, 12), "monday");

  ProcessEvents();
  EXPECT_EQ(Globali::nota(7, 12), "monday");
  EXPECT_NE(Globali::nota(8, 12).find('z'), std::string::npos);
  EXPECT_EQ(NoteField(0).Text(), Globali::nota(8, 12));
}

}  // namespace
