// The on-screen side shared by all controls: text conversions, fonts, and the
// translation of mouse input into MouseDown, MouseEnter and MouseExit.
#include "framework/control_widget_qt.h"
#include "framework/graphics_qt.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include "framework/window.h"

namespace fw {

QString ToQ(const String& s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }
String FromQ(const QString& s) { return s.toStdString(); }

QString CRToLF(const String& s) {
  QString q = ToQ(s);
  q.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  q.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return q;
}

String LFToCR(const QString& s) {
  QString q = s;
  q.replace(QChar(0x2029), QLatin1Char('\n'));
  q.replace(QChar(0x2028), QLatin1Char('\n'));
  q.replace(QLatin1Char('\n'), QLatin1Char('\r'));
  return FromQ(q);
}

int CodePointsBefore(const QString& s, int utf16Pos) {
  int n = 0;
  for (int i = 0; i < utf16Pos && i < s.size(); ++i) {
    if (!(s.at(i).isLowSurrogate() && i > 0 && s.at(i - 1).isHighSurrogate())) ++n;
  }
  return n;
}

int Utf16PosOf(const QString& s, int codePoints) {
  int i = 0;
  for (int n = 0; n < codePoints && i < s.size(); ++n) {
    i += (s.at(i).isHighSurrogate() && i + 1 < s.size() && s.at(i + 1).isLowSurrogate()) ? 2 : 1;
  }
  return i;
}

// The designs give text sizes in pixels (a point was a pixel on the screens they were
// drawn for); the pictures' ports and the controls share one font rule.
QFont MakeFont(const String& family, int32_t size, bool bold, bool italic, bool underline) {
  return FontFor(family, size, bold, italic, underline);
}

// --- ControlView -------------------------------------------------------------------------

ControlView::ControlView(RectControl& owner, QWidget* widget) : owner_(owner), widget_(widget) {
  Watch(widget);
}

ControlView::~ControlView() {
  // The dying widget's last events (focus moving away) are no input of the control.
  for (const auto& w : watched_)
    if (w) w->removeEventFilter(this);
  delete widget_.data();
}

void ControlView::Watch(QWidget* inner) {
  watched_.emplace_back(inner);
  inner->installEventFilter(this);
}

bool ControlView::HandleEvent(QWidget*, QEvent*) { return false; }

bool ControlView::HandleMousePress(QWidget* from, QMouseEvent* e) {
  QPoint p = from->mapTo(widget_, e->position().toPoint());
  bool handled;
  {
    ClickContext context(e->button() == Qt::RightButton);
    handled = owner_._RaiseMouse("MouseDown", p.x(), p.y());
  }
  return handled || swallowsClicks_;
}

bool ControlView::eventFilter(QObject* watched, QEvent* event) {
  auto* from = qobject_cast<QWidget*>(watched);
  if (!from || !widget_) return false;
  switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
      if (HandleMousePress(from, static_cast<QMouseEvent*>(event))) return true;
      break;
    case QEvent::MouseButtonRelease:
    case QEvent::MouseMove:
      if (swallowsClicks_) return true;  // nothing behind a label gets half a click
      break;
    case QEvent::Enter:
      if (from == widget_) owner_._RaiseAction("MouseEnter");
      break;
    case QEvent::Leave:
      if (from == widget_) owner_._RaiseAction("MouseExit");
      break;
    default:
      break;
  }
  return HandleEvent(from, event);
}

// --- PaintedWidget -----------------------------------------------------------------------

PaintedWidget::PaintedWidget(std::function<void(QPainter&, QWidget&)> paint)
    : paint_(std::move(paint)) {}

void PaintedWidget::paintEvent(QPaintEvent*) {
  QPainter p(this);
  paint_(p, *this);
}

// --- Access --------------------------------------------------------------------------------

QWidget* WidgetOf(const RectControl& c) { return c._View() ? c._View()->widget() : nullptr; }
QWidget* ContentWidgetOf(const Window& w) { return w._View() ? w._View()->content() : nullptr; }
QWidget* TopWidgetOf(const Window& w) { return w._View() ? w._View()->top() : nullptr; }

}  // namespace fw
