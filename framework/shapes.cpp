// Rectangle, Oval and Line: painted shapes, transparent around what they draw.
#include "framework/shapes.h"

#include <QPainter>
#include "framework/control_widget_qt.h"

namespace fw {

namespace {
std::unique_ptr<ControlView> ShapeView(RectControl& owner,
                                       std::function<void(QPainter&, QWidget&)> paint) {
  auto view = std::make_unique<ControlView>(owner, new PaintedWidget(std::move(paint)));
  view->SetSwallowsClicks(true);
  return view;
}
}  // namespace

// --- Rectangle ---------------------------------------------------------------------------

Rectangle::Rectangle() {
  SetView(ShapeView(*this, [this](QPainter& p, QWidget& w) {
    p.fillRect(w.rect(), ToQColor(fill_));
    int b = std::min({borderWidth_, w.width() / 2, w.height() / 2});
    if (b <= 0) return;
    p.fillRect(0, 0, w.width(), b, ToQColor(topLeft_));
    p.fillRect(0, 0, b, w.height(), ToQColor(topLeft_));
    p.fillRect(0, w.height() - b, w.width(), b, ToQColor(bottomRight_));
    p.fillRect(w.width() - b, 0, b, w.height(), ToQColor(bottomRight_));
  }));
}

void Rectangle::SetFillColor(Color c) { fill_ = c; Refresh(); }
void Rectangle::SetBorderWidth(int32_t w) { borderWidth_ = w; Refresh(); }
void Rectangle::SetTopLeftColor(Color c) { topLeft_ = c; Refresh(); }
void Rectangle::SetBottomRightColor(Color c) { bottomRight_ = c; Refresh(); }

// --- Oval ----------------------------------------------------------------------------------

Oval::Oval() {
  SetView(ShapeView(*this, [this](QPainter& p, QWidget& w) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(ToQColor(fill_));
    if (borderWidth_ > 0) {
      double half = borderWidth_ / 2.0;
      p.setPen(QPen(ToQColor(border_), borderWidth_));
      p.drawEllipse(QRectF(half, half, w.width() - borderWidth_, w.height() - borderWidth_));
    } else {
      p.setPen(Qt::NoPen);
      p.drawEllipse(QRectF(w.rect()));
    }
  }));
}

void Oval::SetFillColor(Color c) { fill_ = c; Refresh(); }
void Oval::SetBorderWidth(int32_t w) { borderWidth_ = w; Refresh(); }
void Oval::SetBorderColor(Color c) { border_ = c; Refresh(); }

// --- Line ----------------------------------------------------------------------------------

Line::Line() {
  SetView(ShapeView(*this, [this](QPainter& p, QWidget&) {
    int b = std::max(1, borderWidth_);
    // A point covers b x b pixels to the right of and below it, both ends included.
    QPen pen(ToQColor(lineColor_), b, Qt::SolidLine, Qt::SquareCap);
    p.setPen(pen);
    p.translate(b / 2.0 - Left(), b / 2.0 - Top());
    if (x1_ == x2_ && y1_ == y2_) {
      p.fillRect(QRectF(x1_ - b / 2.0, y1_ - b / 2.0, b, b), ToQColor(lineColor_));
    } else {
      p.drawLine(QPointF(x1_, y1_), QPointF(x2_, y2_));
    }
  }));
}

int32_t Line::Left() const { return std::min(x1_, x2_); }
int32_t Line::Top() const { return std::min(y1_, y2_); }
int32_t Line::Width() const { return std::abs(x2_ - x1_); }
int32_t Line::Height() const { return std::abs(y2_ - y1_); }

void Line::SetLeft(int32_t v) {
  int32_t d = v - Left();
  x1_ += d;
  x2_ += d;
  SyncGeometry();
}

void Line::SetTop(int32_t v) {
  int32_t d = v - Top();
  y1_ += d;
  y2_ += d;
  SyncGeometry();
}

void Line::SetWidth(int32_t v) { x2_ = x1_ + v; SyncGeometry(); }
void Line::SetHeight(int32_t v) { y2_ = y1_ + v; SyncGeometry(); }
void Line::SetX1(int32_t v) { x1_ = v; SyncGeometry(); }
void Line::SetY1(int32_t v) { y1_ = v; SyncGeometry(); }
void Line::SetX2(int32_t v) { x2_ = v; SyncGeometry(); }
void Line::SetY2(int32_t v) { y2_ = v; SyncGeometry(); }
void Line::SetBorderWidth(int32_t w) { borderWidth_ = w; SyncGeometry(); }
void Line::SetLineColor(Color c) { lineColor_ = c; Refresh(); }

void Line::SyncGeometry() {
  if (!_View()) return;
  int b = std::max(1, borderWidth_);
  _View()->widget()->setGeometry(Left(), Top(), Width() + b, Height() + b);
  Refresh();
}

}  // namespace fw
