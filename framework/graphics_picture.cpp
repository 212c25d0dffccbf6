// Pictures: shared handles over an ARGB32 image, the embedded program pictures, picture
// files and the colour picker.
#include <QBuffer>
#include <QColorDialog>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageReader>
#include <QPainter>
#include <QScreen>
#include <QResource>
#include <cmath>
#include "framework/application.h"
#include "framework/graphics.h"
#include "framework/graphics_qt.h"
#include "framework/picture_pixels_qt.h"
#include "framework/regular_file_qt.h"
#include "framework/whole_save.h"

namespace fw {

struct Picture::Impl {
  QImage image;
  int depth = 32;
  int transparent = 0;
  std::unique_ptr<Graphics> graphics;
  // The image as drawn elsewhere under transparency 1, kept until the image changes.
  QImage drawable;
  qint64 drawableKey = 0;
};

namespace {

constexpr QImage::Format kFormat = QImage::Format_ARGB32_Premultiplied;

Picture::Impl& ImplOf(const Picture& p) {
  if (p.IsNull()) throw NilObjectException();
  return *p.impl();
}

QImage WhiteMadeTransparent(QImage image) {
  const int width = image.width(), height = image.height();
  for (int y = 0; y < height; ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < width; ++x)
      if (line[x] == 0xFFFFFFFFu) line[x] = 0;
  }
  return image;
}

// The picture's pixels at `ratio` as embedded when the program was built; null where
// that ratio was not rendered then.
QImage PrerenderedPicture(int number, int ratio) {
  const QResource pixels(QStringLiteral(":/pictures/%1@%2.argb").arg(number).arg(ratio));
  if (!pixels.isValid()) return {};
  return UnpackPixels(pixels.uncompressedData(), ratio);
}

ColorDialogHandler& ColorHandler() {
  static ColorDialogHandler handler;
  return handler;
}

}  // namespace

int Picture::Width() const { return DesignSize(ImplOf(*this).image).width(); }
int Picture::Height() const { return DesignSize(ImplOf(*this).image).height(); }
int Picture::Depth() const { return ImplOf(*this).depth; }
int Picture::Transparent() const { return ImplOf(*this).transparent; }
void Picture::SetTransparent(int mode) { ImplOf(*this).transparent = mode; }

Graphics& Picture::GetGraphics() {
  Impl& impl = ImplOf(*this);
  if (!impl.graphics) impl.graphics = GraphicsForImage(&impl.image, impl.depth != 32);
  return *impl.graphics;
}

Color Picture::Pixel(int x, int y) const {
  const QImage& image = ImplOf(*this).image;
  if (x < 0 || y < 0) return RGB(255, 255, 255);
  // A design pixel is a square of device pixels; its top left one stands for it.
  const int ratio = static_cast<int>(image.devicePixelRatio());
  x *= ratio;
  y *= ratio;
  if (!image.valid(x, y)) return RGB(255, 255, 255);
  // Premultiplied, so adding the missing alpha as white gives the colour seen on white.
  const QRgb px = image.pixel(x, y);
  const int blank = 255 - qAlpha(px);
  return RGB(qRed(px) + blank, qGreen(px) + blank, qBlue(px) + blank);
}

bool Picture::Save(const String& pngPath) const {
  QByteArray png;
  QBuffer buffer(&png);
  if (!buffer.open(QIODevice::WriteOnly) || !ImplOf(*this).image.save(&buffer, "PNG")) return false;
  WholeSave file(pngPath);
  return file.Open() && file.Write(std::string_view(png.constData(), static_cast<size_t>(png.size()))) && file.Commit();
}

QImage& PictureImage(const Picture& p) { return ImplOf(p).image; }

int PictureRatio() {
  qreal sharpest = 1;
  if (qGuiApp)
    for (const QScreen* screen : QGuiApplication::screens())
      sharpest = std::max(sharpest, screen->devicePixelRatio());
  // A little slack, so that a ratio computed as 2.0000001 stays 2.
  return static_cast<int>(std::ceil(sharpest - 0.01));
}

QSize DesignSize(const QImage& image) {
  const qreal ratio = image.devicePixelRatio();
  return QSize(static_cast<int>(std::lround(image.width() / ratio)),
               static_cast<int>(std::lround(image.height() / ratio)));
}

QImage PictureImageForDrawing(const Picture& p) {
  Picture::Impl& impl = ImplOf(p);
  if (impl.transparent != 1) return impl.image;
  if (impl.drawable.isNull() || impl.drawableKey != impl.image.cacheKey()) {
    impl.drawable = WhiteMadeTransparent(impl.image.copy());
    impl.drawableKey = impl.image.cacheKey();
  }
  return impl.drawable;
}

void DrawImageAt(QPainter& p, int x, int y, const QImage& image) {
  const QTransform t = p.deviceTransform();
  const qreal ratio = image.devicePixelRatio();
  const bool oneToOne = t.type() <= QTransform::TxScale && qFuzzyCompare(t.m11(), ratio) &&
                        qFuzzyCompare(t.m22(), ratio);
  const bool smooth = p.testRenderHint(QPainter::SmoothPixmapTransform);
  p.setRenderHint(QPainter::SmoothPixmapTransform, !oneToOne);
  p.drawImage(x, y, image);
  p.setRenderHint(QPainter::SmoothPixmapTransform, smooth);
}

Picture PictureFromImage(QImage image, int depth) {
  if (image.isNull()) return Picture();
  auto impl = std::make_shared<Picture::Impl>();
  impl->image = image.format() == kFormat ? std::move(image) : image.convertToFormat(kFormat);
  impl->depth = depth;
  return Picture(std::move(impl));
}

Picture NewPicture(int width, int height, int depth) {
  if (width <= 0 || height <= 0) return Picture();
  const int ratio = PictureRatio();
  QImage image(width * ratio, height * ratio, kFormat);
  if (image.isNull()) return Picture();  // too large to allocate
  image.setDevicePixelRatio(ratio);
  image.fill(depth == 32 ? QColor(Qt::transparent) : QColor(Qt::white));
  return PictureFromImage(std::move(image), depth);
}

Picture LoadPictureResource(int number, int fallbackWidth, int fallbackHeight) {
  const QString base = QStringLiteral(":/pictures/%1").arg(number);
  const int ratio = PictureRatio();
  QImage image = PrerenderedPicture(number, ratio);
  if (image.isNull()) image = RenderSvgPicture(base + ".svg", ratio);
  if (image.isNull()) image.load(base + ".png");
  if (!image.isNull()) return PictureFromImage(std::move(image));
  // Something later always draws or sets the transparency of what this returns.
  return NewPicture(std::max(1, fallbackWidth), std::max(1, fallbackHeight), 32);
}

Picture OpenPictureFile(const String& path) {
  std::optional<QByteArray> bytes = ReadRegularFile(QString::fromStdString(path), -1, kLargestPictureFile);
  if (!bytes) return Picture();
  QBuffer buffer(&*bytes);
  QImageReader reader(&buffer);
  reader.setDecideFormatFromContent(true);
  // A photo larger than the toolkit decodes whole (a 48-megapixel camera's, for one)
  // opens at a half, a quarter... of its size, which still covers any window it is
  // stretched to, rather than not at all. Halves, as JPEG decodes straight into them.
  const QSize size = reader.size();
  const double most = double(QImageReader::allocationLimit()) * 1024 * 1024 / 4;
  int divisor = 1;
  while (most > 0 && double(size.width() / divisor) * (size.height() / divisor) > most) divisor *= 2;
  if (divisor > 1) reader.setScaledSize(size / divisor);
  return PictureFromImage(reader.read());
}

bool SelectColor(Color& color, const String& prompt) {
  std::optional<Color> chosen;
  if (ColorHandler()) {
    chosen = ColorHandler()(color, prompt);
  } else {
    const QColor c = QColorDialog::getColor(ToQColor(color), nullptr, QString::fromStdString(prompt));
    if (c.isValid()) chosen = FromQColor(c);
  }
  if (!chosen) return false;
  color = *chosen;
  return true;
}

void SetColorDialogHandlerForTesting(ColorDialogHandler handler) { ColorHandler() = std::move(handler); }

}  // namespace fw
