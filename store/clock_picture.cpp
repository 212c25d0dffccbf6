#include "store/clock_picture.h"

#include <cmath>

#include "store/globali.h"

namespace Globali {

namespace {

constexpr int kSize = 103;
constexpr double kPi = 3.141592653589793;
constexpr double kHalfPi = 1.5707963267948966;
constexpr double kPiOver6 = 0.5235987755982988;
constexpr double kPiOver30 = 0.10471975511965977;

struct Hand {
  int x0, y0, length, pen;
};
// Start points suit a pen that covers its size to the right of and below each point:
// the hands then turn about the pixel (50, 51), the hub's centre, and the shadows lie
// 2 pixels right of and below them.
constexpr Hand kMinuteShadow{50, 51, 32, 5};
constexpr Hand kHourShadow{49, 50, 25, 7};
constexpr Hand kMinuteHand{48, 49, 32, 5};
constexpr Hand kHourHand{47, 48, 25, 7};

// Angles from 3 o'clock, counter-clockwise; end points to the nearest pixel, so a hand
// along an axis stays exactly on it.
void DrawHand(fw::Graphics& g, const Hand& hand, double angle) {
  g.PenWidth = hand.pen;
  g.PenHeight = hand.pen;
  const int x1 = static_cast<int>(std::lround(hand.x0 + hand.length * std::cos(angle)));
  const int y1 = static_cast<int>(std::lround(hand.y0 - hand.length * std::sin(angle)));
  g.DrawLine(hand.x0, hand.y0, x1, y1);
}

}  // namespace

void drawClock(fw::Graphics& g, const fw::Picture& face, const fw::String& ora) {
  if (face) g.DrawPicture(face, 0, 0);
  int h = static_cast<int>(fw::Val(fw::Left(ora, 2)));
  const int m = static_cast<int>(fw::Val(fw::Right(ora, 2)));
  if (h > 12) h -= 12;
  const double hourAngle = kPi - (h + m / 60.0) * kPiOver6 - kHalfPi;
  const double minuteAngle = kPi - m * kPiOver30 - kHalfPi;

  g.ForeColor = fw::HSV(0, 0, 0.7);
  DrawHand(g, kMinuteShadow, minuteAngle);
  DrawHand(g, kHourShadow, hourAngle);
  g.ForeColor = fw::HSV(0, 1, 0.9);
  DrawHand(g, kMinuteHand, minuteAngle);
  DrawHand(g, kHourHand, hourAngle);
  g.FillOval(45, 46, 11, 11);
}

fw::Picture disegna_analogico(const fw::String& ora) {
  fw::Picture picture = fw::NewPicture(kSize, kSize, 32);
  picture.SetTransparent(1);
  drawClock(picture.GetGraphics(), orologio_analogico, ora);
  return picture;
}

}  // namespace Globali
