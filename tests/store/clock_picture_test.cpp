// The clock's hands for a few times, seen through a graphics port that records what
// is drawn, and the picture the routine hands out.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/graphics.h"
#include "store/globali.h"

namespace {

struct Line {
  int x1, y1, x2, y2, pen;
  fw::Color color;
  bool operator==(const Line&) const = default;
};

class RecordingGraphics : public fw::Graphics {
 public:
  std::vector<Line> lines;
  std::vector<std::string> other;

  int Width() const override { return 103; }
  int Height() const override { return 103; }
  void DrawLine(int x1, int y1, int x2, int y2) override {
    EXPECT_EQ(PenWidth, PenHeight);
    lines.push_back({x1, y1, x2, y2, PenWidth, ForeColor});
  }
  void DrawRect(int, int, int, int) override { other.push_back("rect"); }
  void FillRect(int, int, int, int) override { other.push_back("fillrect"); }
  void DrawOval(int, int, int, int) override { other.push_back("oval"); }
  void FillOval(int x, int y, int w, int h) override {
    other.push_back("filloval " + std::to_string(x) + " " + std::to_string(y) + " " + std::to_string(w) + " " +
                    std::to_string(h) + (ForeColor == fw::HSV(0, 1, 0.9) ? " red" : " other"));
  }
  void DrawString(const fw::String&, int, int) override { other.push_back("string"); }
  int StringWidth(const fw::String&) override { return 0; }
  int TextAscent() override { return 0; }
  int TextHeight() override { return 0; }
  void DrawPicture(const fw::Picture&, int x, int y) override {
    other.push_back("picture " + std::to_string(x) + " " + std::to_string(y));
  }
  void DrawPicture(const fw::Picture&, int, int, int, int, int, int, int, int) override { other.push_back("scaled"); }
  void ClearRect(int, int, int, int) override { other.push_back("clear"); }
};

RecordingGraphics Draw(const std::string& time) {
  RecordingGraphics g;
  Globali::drawClock(g, fw::NewPicture(103, 103, 32), time);
  return g;
}

const fw::Color kGrey = fw::HSV(0, 0, 0.7);
const fw::Color kRed = fw::HSV(0, 1, 0.9);

TEST(ClockPicture, HandsShadowsAndHubInDrawingOrder) {
  const RecordingGraphics g = Draw("00:00");
  ASSERT_EQ(g.lines.size(), 4u);
  EXPECT_EQ(g.lines[0], (Line{50, 51, 50, 19, 5, kGrey}));  // minute shadow
  EXPECT_EQ(g.lines[1], (Line{49, 50, 49, 25, 7, kGrey}));  // hour shadow
  EXPECT_EQ(g.lines[2], (Line{48, 49, 48, 17, 5, kRed}));   // minute hand
  EXPECT_EQ(g.lines[3], (Line{47, 48, 47, 23, 7, kRed}));   // hour hand
  EXPECT_EQ(g.other, (std::vector<std::string>{"picture 0 0", "filloval 45 46 11 11 red"}));
}

TEST(ClockPicture, HandsPointAtTheTime) {
  struct Case {
    std::string time;
    int minuteX, minuteY, hourX, hourY;
  };
  for (const Case& c : {Case{"03:00", 48, 17, 72, 48}, Case{"15:30", 48, 81, 71, 54}, Case{"06:00", 48, 17, 47, 73},
                        Case{"", 48, 17, 47, 23}, Case{"12:00", 48, 17, 47, 23}, Case{"9:05", 64, 21, 22, 47}}) {
    const RecordingGraphics g = Draw(c.time);
    ASSERT_EQ(g.lines.size(), 4u) << c.time;
    EXPECT_EQ(g.lines[2].x2, c.minuteX) << c.time;
    EXPECT_EQ(g.lines[2].y2, c.minuteY) << c.time;
    EXPECT_EQ(g.lines[3].x2, c.hourX) << c.time;
    EXPECT_EQ(g.lines[3].y2, c.hourY) << c.time;
    // The shadow is the hand moved 2 pixels right and down.
    EXPECT_EQ(g.lines[0].x2 - g.lines[2].x2, 2) << c.time;
    EXPECT_EQ(g.lines[1].y2 - g.lines[3].y2, 2) << c.time;
  }
}

TEST(ClockPicture, NewTransparentPictureEachCall) {
  Globali::orologio_analogico = Globali::oroana();
  const fw::Picture a = Globali::disegna_analogico("18:25");
  const fw::Picture b = Globali::disegna_analogico("18:25");
  EXPECT_EQ(a.Width(), 103);
  EXPECT_EQ(a.Height(), 103);
  EXPECT_EQ(a.Depth(), 32);
  EXPECT_EQ(a.Transparent(), 1);
  EXPECT_FALSE(a == b);
  // The hub's centre is red.
  EXPECT_EQ(a.Pixel(50, 51), kRed);
}

}  // namespace
