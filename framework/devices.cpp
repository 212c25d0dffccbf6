// Beep, message box and web addresses, each with a seam for tests.
#include "framework/devices.h"

#include <QApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QUrl>
#include <cstdio>

#include "framework/text_qt.h"

namespace fw {

namespace {
int gBeeps = 0;
std::function<void(const String&)>& MsgBoxHandler() {
  static std::function<void(const String&)> handler;
  return handler;
}
std::function<void(const String&)>& ShowURLHandler() {
  static std::function<void(const String&)> handler;
  return handler;
}
}  // namespace

void Beep() {
  ++gBeeps;
  if (QApplication::instance()) QApplication::beep();
}

int BeepCountForTesting() { return gBeeps; }
void ResetBeepCountForTesting() { gBeeps = 0; }

void MsgBox(const String& text) {
  if (MsgBoxHandler()) {
    MsgBoxHandler()(text);
    return;
  }
  const QString shown = CRToLF(text);
  if (!qobject_cast<QApplication*>(QCoreApplication::instance())) {
    std::fprintf(stderr, "%s\n", shown.toStdString().c_str());
    return;
  }
  QMessageBox box(QMessageBox::NoIcon, QString(), shown, QMessageBox::Ok,
                  QApplication::activeWindow());
  box.setTextFormat(Qt::PlainText);  // the text is the program's, never markup
  box.exec();
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
