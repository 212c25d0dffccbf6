// A canvas: the backdrop beneath, the backing picture (what was drawn) above it,
// transparent where neither covers it.
#include "framework/canvas.h"

#include <QPainter>
#include "framework/control_widget_qt.h"
#include "framework/graphics_qt.h"

namespace fw {

Canvas::Canvas() {
  auto view = std::make_unique<ControlView>(*this, new PaintedWidget([this](QPainter& p, QWidget&) {
    if (backdrop_) DrawImageAt(p, 0, 0, PictureImageForDrawing(backdrop_));
    if (backing_) DrawImageAt(p, 0, 0, PictureImage(backing_));
  }));
  view->SetSwallowsClicks(true);
  SetView(std::move(view));
}

Canvas::~Canvas() = default;

namespace {
Picture BlankBacking(const Canvas& c) { return NewPicture(std::max(1, c.Width()), std::max(1, c.Height()), 32); }
}  // namespace

Picture& Canvas::Backing() const {
  if (!backing_) backing_ = BlankBacking(*this);
  return backing_;
}

fw::Graphics& Canvas::Graphics() {
  Refresh();  // whatever is drawn next shows at the coming repaint
  return Backing().GetGraphics();
}

Picture Canvas::BackingPicture() const { return Backing(); }

void Canvas::SetBackdrop(Picture p) {
  backdrop_ = std::move(p);
  Refresh();
}

void Canvas::SetAcceptFocus(bool v) {
  acceptFocus_ = v;
  _View()->widget()->setFocusPolicy(v ? Qt::StrongFocus : Qt::NoFocus);
}

void Canvas::SyncGeometry() {
  RectControl::SyncGeometry();
  // A resized canvas keeps what was drawn, at the top left.
  if (backing_ && (backing_.Width() != std::max(1, Width()) || backing_.Height() != std::max(1, Height()))) {
    Picture bigger = BlankBacking(*this);
    QPainter p(&PictureImage(bigger));
    p.drawImage(0, 0, PictureImage(backing_));
    p.end();
    backing_ = bigger;
  }
}

}  // namespace fw
