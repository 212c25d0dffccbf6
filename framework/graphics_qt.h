#pragma once
// Qt-facing side of pictures and drawing, for framework sources only (canvases,
// printing, controls that show pictures).
#include <memory>
#include <QColor>
#include <QImage>
#include "framework/graphics.h"

class QPainter;

namespace fw {

QColor ToQColor(Color c);
Color FromQColor(const QColor& c);

// The image behind a picture (ARGB32 premultiplied). The picture must not be none.
QImage& PictureImage(const Picture& p);
// The picture as it should be shown elsewhere: with transparency 1, white made transparent.
QImage PictureImageForDrawing(const Picture& p);
// Wraps an image as a picture (converted to ARGB32 premultiplied); a null image gives none.
Picture PictureFromImage(QImage image, int depth = 32);

// A Graphics that draws through an existing painter (a canvas's paint event, a printed
// page). The painter must outlive the Graphics; w x h is the surface's size.
std::unique_ptr<Graphics> GraphicsForPainter(QPainter* painter, int w, int h);

}  // namespace fw
