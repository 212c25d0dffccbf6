// Beep, message box and web addresses, each with a seam for tests.
#include "framework/devices.h"

#include <QApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QPushButton>
#include <QUrl>
#include <cstdio>

#include "framework/application.h"
#include "framework/application_qt.h"
#include "framework/bell_tone.h"
#include "framework/text_qt.h"

namespace fw {

namespace {
int gBeeps = 0;
std::function<void(const String&)>& MsgBoxHandler() {
  static std::function<void(const String&)> handler;
  return handler;
}
std::function<bool(const String&)>& QuestionHandler() {
  static std::function<bool(const String&)> handler;
  return handler;
}
std::function<void(const String&)>& ShowURLHandler() {
  static std::function<void(const String&)> handler;
  return handler;
}
// Without a desktop, while the program ends on a signal or at the session's end, or saves
// for the session manager without the user, nobody may be there to answer a box that waits.
bool NobodyToAnswer() {
  return !qobject_cast<QApplication*>(QCoreApplication::instance()) || EndingOnRequestFromOutside() ||
         internal::SavingWithoutUser();
}

}  // namespace

void Beep() {
  ++gBeeps;
  if (!QApplication::instance()) return;
  if (QGuiApplication::platformName().startsWith(u"wayland"))
    internal::RingBellTone();
  else
    QApplication::beep();
}

int BeepCountForTesting() { return gBeeps; }
void ResetBeepCountForTesting() { gBeeps = 0; }

void MsgBox(const String& text) {
  if (MsgBoxHandler()) {
    MsgBoxHandler()(text);
    return;
  }
  const QString shown = CRToLF(text);
  if (NobodyToAnswer()) {
    std::fprintf(stderr, "%s\n", shown.toStdString().c_str());
    return;
  }
  QMessageBox box(QMessageBox::NoIcon, QString(), shown, QMessageBox::Ok,
                  QApplication::activeWindow());
  box.setTextFormat(Qt::PlainText);  // the text is the program's, never markup
  box.exec();
}

bool AskQuestion(const String& text, const String& first, const String& second) {
  if (QuestionHandler()) return QuestionHandler()(text);
  const QString shown = CRToLF(text);
  if (NobodyToAnswer()) {
    std::fprintf(stderr, "%s\n", shown.toStdString().c_str());
    return true;
  }
  QMessageBox box(QMessageBox::NoIcon, QString(), shown, QMessageBox::NoButton, QApplication::activeWindow());
  box.setTextFormat(Qt::PlainText);
  QPushButton* firstButton = box.addButton(ToQ(first), QMessageBox::AcceptRole);
  QPushButton* secondButton = box.addButton(ToQ(second), QMessageBox::RejectRole);
  box.setDefaultButton(secondButton);
  box.setEscapeButton(secondButton);
  box.exec();
  return box.clickedButton() == firstButton;
}

namespace internal {

void CloseMessageBoxes() {
  if (!qobject_cast<QApplication*>(QCoreApplication::instance())) return;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (auto* box = qobject_cast<QMessageBox*>(w); box && box->isVisible()) box->reject();
}

}  // namespace internal

void SetQuestionHandlerForTesting(std::function<bool(const String&)> handler) {
  QuestionHandler() = std::move(handler);
}

void SetMsgBoxHandlerForTesting(std::function<void(const String&)> handler) {
  MsgBoxHandler() = std::move(handler);
}

// A web address names a host, or is the scheme alone ("http://"), which opens the
// browser on no page; a mail address may be "mailto:" alone, a blank message.
bool ShowURL(const String& url) {
  const QString text = QString::fromStdString(url).trimmed();
  QUrl u(text, QUrl::TolerantMode);
  const QString scheme = u.scheme().toLower();
  const bool web = scheme == "http" || scheme == "https";
  const bool schemeAlone = text.compare(scheme + "://", Qt::CaseInsensitive) == 0;
  if (!u.isValid() || (!web && scheme != "mailto") || (web && u.host().isEmpty() && !schemeAlone)) return false;
  if (ShowURLHandler()) {
    ShowURLHandler()(url);
    return true;
  }
  return QDesktopServices::openUrl(u);
}

void SetShowURLHandlerForTesting(std::function<void(const String&)> handler) {
  ShowURLHandler() = std::move(handler);
}

}  // namespace fw
