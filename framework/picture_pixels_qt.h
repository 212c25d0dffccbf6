#pragma once
// Framework-internal: the program's pictures rendered from their SVG sources. At the
// pixel ratios of nearly every screen (1 and 2, see CMakeLists.txt) they are rendered
// once, when the program is built, and embedded as pixels beside their sources
// ("168@2.argb": picture 168 at ratio 2), so that a start reads pixels instead of
// rendering; other ratios render at start. The build's picture tool
// (tools/picture_pixels.cpp) writes them with these very functions, so both ways give
// the same pixels.
#include <QByteArray>
#include <QImage>
#include <QString>

namespace fw {

// The SVG at `path` at the size it declares in design pixels, `ratio` device pixels per
// design pixel (the image's device pixel ratio), on a transparent ground, ARGB32
// premultiplied. Null when the file is missing or holds no picture of a size.
QImage RenderSvgPicture(const QString& path, int ratio);

// An image as embedded: its width and height as 32-bit little-endian numbers, then
// its ARGB32-premultiplied rows in this machine's byte order.
QByteArray PackPixels(const QImage& image);
// The image back, with `ratio` as its device pixel ratio; null when `bytes` are not
// such an image.
QImage UnpackPixels(const QByteArray& bytes, int ratio);

}  // namespace fw
