// Colours and the drawing port. Every shape is filled with the fore colour, never
// stroked: the program's pen is a rectangle that covers PenWidth x PenHeight to the
// right of and below each point, which Qt's centred pens cannot express.
#include "framework/graphics.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include "framework/graphics_qt.h"

namespace fw {

namespace {

int Clamp255(int v) { return std::clamp(v, 0, 255); }
uint8_t Unit(double v) { return static_cast<uint8_t>(std::lround(std::clamp(v, 0.0, 1.0) * 255)); }

}  // namespace

Color RGB(int r, int g, int b) {
  return Color{static_cast<uint8_t>(Clamp255(r)), static_cast<uint8_t>(Clamp255(g)),
               static_cast<uint8_t>(Clamp255(b))};
}

Color HSV(double h, double s, double v) {
  h = std::clamp(h, 0.0, 1.0);
  s = std::clamp(s, 0.0, 1.0);
  v = std::clamp(v, 0.0, 1.0);
  double sector = h * 6.0;
  if (sector >= 6.0) sector = 0.0;  // hue 1 is hue 0: red
  const int i = static_cast<int>(sector);
  const double f = sector - i;
  const double p = v * (1 - s), q = v * (1 - s * f), t = v * (1 - s * (1 - f));
  const std::array<std::array<double, 3>, 6> rgb = {{
      {v, t, p}, {q, v, p}, {p, v, t}, {p, q, v}, {t, p, v}, {v, p, q}}};
  return Color{Unit(rgb[i][0]), Unit(rgb[i][1]), Unit(rgb[i][2])};
}

QColor ToQColor(Color c) { return QColor(c.r, c.g, c.b); }
Color FromQColor(const QColor& c) { return RGB(c.red(), c.green(), c.blue()); }

// The designs give text sizes in pixels (a point was a pixel on the screens they were
// drawn for), so sizes are set in pixels: a control's text and a port's measure alike.
// The designs name the classic faces. The Liberation faces share their widths and come
// closest to their line spacing (other stand-ins for "Times" set lines further apart
// and overflow the designed boxes), so they are asked for first where installed.
static QStringList FamiliesFor(const String& family) {
  const QString named = QString::fromStdString(family);
  if (family == "Times" || family == "Times New Roman") return {"Liberation Serif", named};
  if (family == "Arial" || family == "Helvetica") return {"Liberation Sans", named};
  if (family == "Courier" || family == "Courier New") return {"Liberation Mono", named};
  return {named};
}

QFont FontFor(const String& family, int size, bool bold, bool italic, bool underline) {
  QFont font = QGuiApplication::font();
  if (!family.empty() && family != "System" && family != "SmallSystem")
    font.setFamilies(FamiliesFor(family));
  font.setPixelSize(size > 0 ? size : (family == "SmallSystem" ? 10 : 12));
  font.setBold(bold);
  font.setItalic(italic);
  font.setUnderline(underline);
  return font;
}

namespace {

// The area a rectangular pen sweeps from one point to another: the convex hull of the
// pen's rectangle at both ends.
QPolygonF PenSweep(int x1, int y1, int x2, int y2, int pw, int ph) {
  std::array<QPointF, 8> pts = {QPointF(x1, y1), QPointF(x1 + pw, y1), QPointF(x1, y1 + ph),
                                QPointF(x1 + pw, y1 + ph), QPointF(x2, y2), QPointF(x2 + pw, y2),
                                QPointF(x2, y2 + ph), QPointF(x2 + pw, y2 + ph)};
  std::sort(pts.begin(), pts.end(), [](const QPointF& a, const QPointF& b) {
    return a.x() < b.x() || (a.x() == b.x() && a.y() < b.y());
  });
  auto cross = [](const QPointF& o, const QPointF& a, const QPointF& b) {
    return (a.x() - o.x()) * (b.y() - o.y()) - (a.y() - o.y()) * (b.x() - o.x());
  };
  std::vector<QPointF> hull;  // Andrew's monotone chain
  for (int pass = 0; pass < 2; ++pass) {
    const size_t start = hull.size();
    for (const QPointF& p : pts) {
      while (hull.size() >= start + 2 && cross(hull[hull.size() - 2], hull.back(), p) <= 0)
        hull.pop_back();
      hull.push_back(p);
    }
    hull.pop_back();
    std::reverse(pts.begin(), pts.end());
  }
  return QPolygonF(QList<QPointF>(hull.begin(), hull.end()));
}

// What both kinds of port share: the drawing itself. Subclasses say how a painter is
// obtained and how a cleared area looks.
class PortBase : public Graphics {
 public:
  void DrawLine(int x1, int y1, int x2, int y2) override {
    if (PenWidth <= 0 || PenHeight <= 0) return;
    const QPolygonF area = PenSweep(x1, y1, x2, y2, PenWidth, PenHeight);
    Fill([&](QPainter& p) { p.drawPolygon(area); });
  }
  void DrawRect(int x, int y, int w, int h) override {
    if (w <= 0 || h <= 0 || PenWidth <= 0 || PenHeight <= 0) return;
    if (2 * PenWidth >= w || 2 * PenHeight >= h) return FillRect(x, y, w, h);
    const int pw = PenWidth, ph = PenHeight;
    Fill([&](QPainter& p) {
      p.drawRect(x, y, w, ph);
      p.drawRect(x, y + h - ph, w, ph);
      p.drawRect(x, y + ph, pw, h - 2 * ph);
      p.drawRect(x + w - pw, y + ph, pw, h - 2 * ph);
    });
  }
  void FillRect(int x, int y, int w, int h) override {
    if (w <= 0 || h <= 0) return;
    Fill([&](QPainter& p) { p.drawRect(x, y, w, h); });
  }
  void DrawOval(int x, int y, int w, int h) override {
    if (w <= 0 || h <= 0 || PenWidth <= 0 || PenHeight <= 0) return;
    QPainterPath ring;
    ring.setFillRule(Qt::OddEvenFill);
    ring.addEllipse(QRectF(x, y, w, h));
    if (2 * PenWidth < w && 2 * PenHeight < h)
      ring.addEllipse(QRectF(x + PenWidth, y + PenHeight, w - 2 * PenWidth, h - 2 * PenHeight));
    Fill([&](QPainter& p) { p.drawPath(ring); });
  }
  void FillOval(int x, int y, int w, int h) override {
    if (w <= 0 || h <= 0) return;
    Fill([&](QPainter& p) { p.drawEllipse(QRectF(x, y, w, h)); });
  }
  void DrawString(const String& text, int x, int y) override {
    const QFont font = CurrentFont();
    Paint([&](QPainter& p) {
      p.setFont(font);
      p.setPen(ToQColor(ForeColor));
      p.drawText(QPointF(x, y), QString::fromStdString(text));
    });
  }
  int StringWidth(const String& text) override {
    return QFontMetrics(CurrentFont()).horizontalAdvance(QString::fromStdString(text));
  }
  int TextAscent() override { return QFontMetrics(CurrentFont()).ascent(); }
  int TextHeight() override { return QFontMetrics(CurrentFont()).height(); }
  void DrawPicture(const Picture& pic, int x, int y) override {
    if (pic.IsNull()) return;
    const QImage image = PictureImageForDrawing(pic);
    Paint([&](QPainter& p) { p.drawImage(QPoint(x, y), image); });
  }
  void DrawPicture(const Picture& pic, int x, int y, int destW, int destH, int srcX, int srcY,
                   int srcW, int srcH) override {
    if (pic.IsNull() || destW <= 0 || destH <= 0 || srcW <= 0 || srcH <= 0) return;
    const QImage image = PictureImageForDrawing(pic);
    const qreal ratio = image.devicePixelRatio();  // the source rectangle counts device pixels
    Paint([&](QPainter& p) {
      p.setRenderHint(QPainter::SmoothPixmapTransform);
      p.drawImage(QRectF(x, y, destW, destH), image,
                  QRectF(srcX * ratio, srcY * ratio, srcW * ratio, srcH * ratio));
    });
  }

 protected:
  // Runs `draw` on a painter set up for antialiased drawing; the painter's state is
  // the caller's again afterwards.
  virtual void Paint(const std::function<void(QPainter&)>& draw) = 0;

  void Fill(const std::function<void(QPainter&)>& draw) {
    const QColor color = ToQColor(ForeColor);
    Paint([&](QPainter& p) {
      p.setPen(Qt::NoPen);
      p.setBrush(color);
      draw(p);
    });
  }
  QFont CurrentFont() const { return FontFor(TextFont, TextSize, Bold, Italic, Underline); }
};

class ImageGraphics : public PortBase {
 public:
  ImageGraphics(QImage* image, bool clearsToWhite) : image_(image), clearsToWhite_(clearsToWhite) {}
  int Width() const override { return DesignSize(*image_).width(); }
  int Height() const override { return DesignSize(*image_).height(); }
  void ClearRect(int x, int y, int w, int h) override {
    if (w <= 0 || h <= 0) return;
    QPainter p(image_);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.fillRect(QRect(x, y, w, h), clearsToWhite_ ? QColor(Qt::white) : QColor(Qt::transparent));
  }

 protected:
  void Paint(const std::function<void(QPainter&)>& draw) override {
    QPainter p(image_);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    draw(p);
  }

 private:
  QImage* image_;
  bool clearsToWhite_;
};

class PainterGraphics : public PortBase {
 public:
  PainterGraphics(QPainter* painter, int w, int h) : painter_(painter), w_(w), h_(h) {}
  int Width() const override { return w_; }
  int Height() const override { return h_; }
  void ClearRect(int x, int y, int w, int h) override {
    if (w > 0 && h > 0) painter_->eraseRect(QRect(x, y, w, h));
  }

 protected:
  void Paint(const std::function<void(QPainter&)>& draw) override {
    painter_->save();
    painter_->setRenderHint(QPainter::Antialiasing);
    painter_->setRenderHint(QPainter::TextAntialiasing);
    draw(*painter_);
    painter_->restore();
  }

 private:
  QPainter* painter_;
  int w_, h_;
};

}  // namespace

std::unique_ptr<Graphics> GraphicsForPainter(QPainter* painter, int w, int h) {
  return std::make_unique<PainterGraphics>(painter, w, h);
}

std::unique_ptr<Graphics> GraphicsForImage(QImage* image, bool clearsToWhite) {
  return std::make_unique<ImageGraphics>(image, clearsToWhite);
}

}  // namespace fw
