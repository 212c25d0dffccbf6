// The program's pictures from their SVG sources, and as embedded pixels.
#include "framework/picture_pixels_qt.h"

#include <QPainter>
#include <QSvgRenderer>
#include <QtEndian>
#include <cstring>

namespace fw {

namespace {

constexpr QImage::Format kFormat = QImage::Format_ARGB32_Premultiplied;
constexpr qsizetype kHeader = 8;

}  // namespace

QImage RenderSvgPicture(const QString& path, int ratio) {
  QSvgRenderer svg(path);
  if (!svg.isValid() || svg.defaultSize().isEmpty() || ratio < 1) return {};
  QImage image(svg.defaultSize() * ratio, kFormat);
  if (image.isNull()) return {};
  image.setDevicePixelRatio(ratio);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  svg.render(&painter, QRectF(QPointF(0, 0), QSizeF(svg.defaultSize())));
  return image;
}

QByteArray PackPixels(const QImage& image) {
  const QImage pixels = image.convertToFormat(kFormat);
  const qsizetype row = qsizetype{pixels.width()} * 4;
  QByteArray bytes(kHeader + row * pixels.height(), Qt::Uninitialized);
  qToLittleEndian<quint32>(static_cast<quint32>(pixels.width()), bytes.data());
  qToLittleEndian<quint32>(static_cast<quint32>(pixels.height()), bytes.data() + 4);
  for (int y = 0; y < pixels.height(); ++y)
    std::memcpy(bytes.data() + kHeader + y * row, pixels.constScanLine(y), static_cast<size_t>(row));
  return bytes;
}

QImage UnpackPixels(const QByteArray& bytes, int ratio) {
  if (bytes.size() < kHeader || ratio < 1) return {};
  const quint32 width = qFromLittleEndian<quint32>(bytes.constData());
  const quint32 height = qFromLittleEndian<quint32>(bytes.constData() + 4);
  const qsizetype row = qsizetype{width} * 4;
  if (width == 0 || height == 0 || width > 0x7fff || height > 0x7fff || bytes.size() != kHeader + row * height)
    return {};
  QImage image(static_cast<int>(width), static_cast<int>(height), kFormat);
  if (image.isNull()) return {};
  for (int y = 0; y < image.height(); ++y)
    std::memcpy(image.scanLine(y), bytes.constData() + kHeader + y * row, static_cast<size_t>(row));
  image.setDevicePixelRatio(ratio);
  return image;
}

}  // namespace fw
