#include "support/main_window_fixture.h"

#include "app/app.h"
#include "app/command_bindings.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QWidget>

#include "framework/control_widget_qt.h"
#include "framework/devices.h"
#include "framework/thread.h"
#include "store/globali.h"

namespace testsupport {

namespace {

// The design puts the day cells 500 pixels below their place; the window's open
// step lifts them once. Done here when that step has not run in this process.
void LiftDayCellsOnce(fin_main::Window& w) {
  for (int k = 0; k <= 41; ++k) {
    auto& cell = w.Member<fw::StaticText>("cal_day", k);
    if (cell.Top() > 500) cell.SetTop(cell.Top() - 500);
  }
}

void ClearTable(Globali::TextTable& table, int32_t ubound1, int32_t ubound2) {
  table.Redim(-1, -1);
  table.Redim(ubound1, ubound2);
}

}  // namespace

void MainWindowFixture::SetUp() {
  folders_ = std::make_unique<TempFolders>();
  fw::SetMsgBoxHandlerForTesting([this](const fw::String& text) { messages.push_back(text); });
  fw::SetDateOrderForTesting(fw::DateOrder::DMY);
  SetClock(today);
  ResetGlobali();
  ApplicationOpenStep();
  ShowDiary();
}

void MainWindowFixture::TearDown() {
  // A note field keeping the focus would lose it in the next test, whose rebuild
  // would then run in the middle of that test's own steps.
  if (QWidget* focused = QApplication::focusWidget()) focused->clearFocus();
  // Queued thread bodies and events belong to this test, not to the next one.
  fw::RunPendingThreadsForTesting();
  ProcessEvents();
  fw::SetMsgBoxHandlerForTesting(nullptr);
  fw::SetClockForTesting(nullptr);
  fw::ResetDateOrderForTesting();
  folders_.reset();
}

void MainWindowFixture::SetClock(const fw::DateTimeParts& now) {
  fw::SetClockForTesting([now] { return now; });
}

void MainWindowFixture::ResetGlobali() {
  using namespace Globali;
  ClearTable(nota, 31, 12);
  ClearTable(fontecolore, 31, 12);
  ClearTable(contatto, 0, 9);
  ClearTable(testoloc, 0, 0);
  allarme.Redim(-1);
  allarme.Redim(0);
  formatodata = 0;
  oggi = fw::Date();
  punta = "";
  mese = anno = annoload = bisestile = notequante = d_find = m_find = 0;
  testodioggi = oraattuale = "";
  contquanti = contpunta = cercapunta = 0;
  sortizza = false;
  lingua = 0;
  indexo = ok = visua = 0;
  Settings = "";
  pwutilizza = 0;
  password = wordpass = "";
  col_r = col_g = col_b = 0;
  pref_autosave = pref_warning = pref_reminder = pref_sound = pref_skin = pref_reverse = false;
  pref_soundf = pref_skinf = "";
  suonodiallarme.reset();
  orologio_analogico = winpict = immaginedisfondo = fw::Picture();
}

void MainWindowFixture::ApplicationOpenStep() {
  // The application object's own open step, without registering it as the application.
  App().Event_Open();
}

void MainWindowFixture::ShowDiary() {
  fin_main::Window& w = win();
  if (!w.Visible() || !fw::TopWidgetOf(w)->isVisible()) w.Show();
  QApplication::setActiveWindow(fw::TopWidgetOf(w));
  LiftDayCellsOnce(w);
  // The window's background as the open step leaves it without a colour of the user's.
  w.SetBackColor({230, 230, 230});
  // Without a preferences file the language is English.
  if (Globali::lingua < 1 || Globali::lingua > 4) Globali::lingua = 1;
  for (int k = 1; k <= 4; ++k) Member<fw::RadioButton>("RadioBlingua", k).SetValue(k == Globali::lingua);
  Globali::carica_localizzazione();
  w.localeng();
  Globali::ripristinanote();
  Member<fw::StaticText>("mese_label").SetText(Globali::calendarHeading());
  w.creamese();
  w.aggiorni();
  ProcessEvents();
}

void MainWindowFixture::SelectDay(int day, int month, int year) {
  Globali::punta = Globali::stringacrea(day, month, year);
  Rebuild();
}

void MainWindowFixture::Rebuild() {
  win().creamese();
  win().aggiorni();
}

fin_main::Window& MainWindowFixture::win() const { return fin_main::fin_main(); }

void MainWindowFixture::Type(fw::EditField& field, const std::string& text) {
  field.SetFocus();
  QWidget* editor = fw::EditorOf(field);
  for (QChar c : QString::fromUtf8(text.data(), static_cast<int>(text.size()))) {
    if (c.unicode() < 0x80) QTest::keyClick(editor, c.toLatin1());
    else QTest::sendKeyEvent(QTest::Click, editor, Qt::Key_unknown, QString(c), Qt::NoModifier);  // as a layout sends it
  }
}

void MainWindowFixture::Compose(fw::EditField& field, const std::string& text) {
  field.SetFocus();
  QInputMethodEvent commit;
  commit.setCommitString(QString::fromUtf8(text.data(), static_cast<int>(text.size())));
  QApplication::sendEvent(fw::EditorOf(field), &commit);
}

void MainWindowFixture::Key(fw::EditField& field, Qt::Key key, Qt::KeyboardModifiers modifiers) {
  field.SetFocus();
  QTest::keyClick(fw::EditorOf(field), key, modifiers);
}

void MainWindowFixture::Click(fw::RectControl& control, Qt::MouseButton button, QPoint at) {
  QWidget* widget = fw::WidgetOf(control);
  ASSERT_NE(widget, nullptr) << fw::DescribeObject(control) << " has no widget";
  QTest::mouseClick(widget, button, Qt::NoModifier, at.isNull() ? widget->rect().center() : at);
}

void MainWindowFixture::ProcessEvents() { QApplication::processEvents(); }

void MainWindowFixture::StartProgramApplication() {
  static App app;
  previousApp_ = fw::TheApplication();
  fw::ResetApplicationForTesting();  // drops the main window's waiting open step
  fw::RegisterApplication(&app);
  _ApplicationAddMenuHandlers();
  fw::OpenApplication();
}

void MainWindowFixture::StopProgramApplication() {
  fw::ResetApplicationForTesting();
  fw::RegisterApplication(previousApp_);
}

}  // namespace testsupport
