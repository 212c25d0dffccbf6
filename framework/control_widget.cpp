// The on-screen side shared by all controls: captions, and the translation of mouse
// input into MouseDown, MouseEnter and MouseExit.
#include "framework/control_widget_qt.h"

#include <QMouseEvent>
#include <QPainter>
#include "framework/window.h"

namespace fw {

QString CaptionText(const String& s) { return CRToLF(s).replace('&', "&&"); }

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

bool ControlView::IsPropagatedCopy(QWidget* from, const QMouseEvent& e) const {
  return lastPress_.from && from != lastPress_.from && from->isAncestorOf(lastPress_.from) &&
         lastPress_.timestamp == e.timestamp() && lastPress_.type == e.type() &&
         lastPress_.button == e.button() && lastPress_.global == e.globalPosition();
}

bool ControlView::HandleMousePress(QWidget* from, QMouseEvent* e) {
  // Raised again, a contextual click would pop its menu up a second time once the first
  // menu closes (the copy reaches the parent only after the handler has returned).
  if (IsPropagatedCopy(from, *e)) return swallowsClicks_;
  lastPress_ = {from, e->timestamp(), e->type(), e->button(), e->globalPosition()};
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
    case QEvent::Move:
      if (from == widget_) BringFocusIntoSight(widget_->window());
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
