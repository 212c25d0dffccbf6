#pragma once
// Qt-facing side of pictures and drawing, for framework sources only (canvases,
// printing, controls that show pictures).
#include <memory>
#include <QColor>
#include <QFont>
#include <QImage>
#include "framework/graphics.h"

class QPainter;

namespace fw {

QColor ToQColor(Color c);
Color FromQColor(const QColor& c);

// The image behind a picture (ARGB32 premultiplied). The picture must not be none.
// Sizes and coordinates are design pixels; the image holds PictureRatio() device pixels
// per design pixel (its device pixel ratio), so a painter on it and drawImage of it
// work in design pixels, while a source rectangle and pixel access count device pixels.
QImage& PictureImage(const Picture& p);
// Device pixels per design pixel for new pictures: the sharpest screen's ratio rounded
// up to a whole number (1 without screens), so a picture is sharp on every screen and
// every design size stays whole.
int PictureRatio();
// An image's size in design pixels.
QSize DesignSize(const QImage& image);
// The picture as it should be shown elsewhere: with transparency 1, white made transparent.
QImage PictureImageForDrawing(const Picture& p);
// Draws `image` with its top left at (x, y) in the painter's coordinates, smoothed only
// where its pixels do not fall one to one on the device's (a screen of fractional ratio):
// the toolkit's smoothing also sends unscaled pictures down a slow path that starts a
// pool of threads for a large one.
void DrawImageAt(QPainter& p, int x, int y, const QImage& image);
// Wraps an image as a picture (converted to ARGB32 premultiplied); a null image gives none.
Picture PictureFromImage(QImage image, int depth = 32);

// The font a port or control uses for TextFont/TextSize/Bold/Italic/Underline. Sizes are
// pixels, as the window layouts are; "System" (or "") is the desktop's font and
// "SmallSystem" that font smaller: size 0 is 12, or 10 for "SmallSystem".
QFont FontFor(const String& family, int size, bool bold, bool italic, bool underline);

// A Graphics that draws through an existing painter (a canvas's paint event, a printed
// page). The painter must outlive the Graphics; w x h is the surface's size.
std::unique_ptr<Graphics> GraphicsForPainter(QPainter* painter, int w, int h);
// A Graphics that draws into an image (each call paints and finishes, so the image can
// be read between calls). ClearRect makes pixels transparent, or white when
// `clearsToWhite`. The image must outlive the Graphics.
std::unique_ptr<Graphics> GraphicsForImage(QImage* image, bool clearsToWhite);

}  // namespace fw
