// Colours, the drawing port's pen rule, transparency, scaling, and the embedded pictures.
#include <gtest/gtest.h>
#include <QFile>
#include <QPainter>
#include <QResource>
#include <QImageReader>
#include <QTemporaryDir>
#include "framework/application.h"
#include "framework/graphics.h"
#include "framework/graphics_qt.h"
#include "framework/picture_pixels_qt.h"
#include "framework/text_wrap.h"

namespace {

using fw::Color;
using fw::Picture;

const Color kRed{255, 0, 0}, kBlue{0, 0, 255}, kWhite{255, 255, 255}, kBlack{0, 0, 0};

// The pixels of `p` that differ from `ground`, as "x,y" texts in reading order.
std::vector<std::string> Painted(const Picture& p, Color ground) {
  std::vector<std::string> out;
  for (int y = 0; y < p.Height(); ++y)
    for (int x = 0; x < p.Width(); ++x)
      if (!(p.Pixel(x, y) == ground)) out.push_back(std::to_string(x) + "," + std::to_string(y));
  return out;
}

std::vector<std::string> Block(int x, int y, int w, int h) {
  std::vector<std::string> out;
  for (int j = y; j < y + h; ++j)
    for (int i = x; i < x + w; ++i) out.push_back(std::to_string(i) + "," + std::to_string(j));
  return out;
}

int Alpha(const Picture& p, int x, int y) { return qAlpha(fw::PictureImage(p).pixel(x, y)); }

Picture Filled(int w, int h, Color c) {
  Picture p = fw::NewPicture(w, h, 32);
  p.GetGraphics().ForeColor = c;
  p.GetGraphics().FillRect(0, 0, w, h);
  return p;
}

TEST(GraphicsColor, RgbClampsAndHsvTakesUnitComponents) {
  EXPECT_EQ(fw::RGB(-5, 128, 300), (Color{0, 128, 255}));
  EXPECT_EQ(fw::HSV(0, 1, 0.9), (Color{230, 0, 0}));        // the clock's red
  EXPECT_EQ(fw::HSV(0, 0, 0.7), (Color{179, 179, 179}));    // the clock's shadow grey
  EXPECT_EQ(fw::HSV(1.0 / 3, 1, 1), (Color{0, 255, 0}));
  EXPECT_EQ(fw::HSV(2.0 / 3, 1, 1), (Color{0, 0, 255}));
  EXPECT_EQ(fw::HSV(1, 1, 1), kRed);                         // hue 1 wraps to red
  EXPECT_EQ(fw::HSV(0.5, 2, -1), kBlack);                    // clamped
  EXPECT_EQ(fw::HSV(0.25, 0, 1), kWhite);
}

TEST(PictureNew, Depth32StartsTransparentOtherDepthsWhite) {
  Picture clear = fw::NewPicture(7, 5, 32);
  ASSERT_TRUE(clear);
  EXPECT_EQ(clear.Width(), 7);
  EXPECT_EQ(clear.Height(), 5);
  EXPECT_EQ(clear.Depth(), 32);
  EXPECT_EQ(Alpha(clear, 3, 2), 0);
  EXPECT_EQ(clear.Pixel(3, 2), kWhite);  // as it shows on white

  Picture white = fw::NewPicture(4, 4, 24);
  EXPECT_EQ(Alpha(white, 1, 1), 255);
  EXPECT_EQ(white.Pixel(1, 1), kWhite);
  EXPECT_EQ(white.Transparent(), 0);

  EXPECT_FALSE(fw::NewPicture(0, 5, 32));
  EXPECT_FALSE(fw::NewPicture(5, -1, 32));
}

TEST(PictureNew, ClearRectRestoresTheStartingGround) {
  Picture clear = Filled(4, 4, kRed);
  clear.GetGraphics().ClearRect(0, 0, 2, 4);
  EXPECT_EQ(Alpha(clear, 1, 1), 0);
  EXPECT_EQ(clear.Pixel(2, 1), kRed);

  Picture white = fw::NewPicture(4, 4, 24);
  white.GetGraphics().FillRect(0, 0, 4, 4);
  white.GetGraphics().ClearRect(0, 0, 2, 2);
  EXPECT_EQ(white.Pixel(0, 0), kWhite);
  EXPECT_EQ(Alpha(white, 0, 0), 255);
  EXPECT_EQ(white.Pixel(3, 3), kBlack);
}

TEST(PictureNew, UsingNoneIsTheNilObjectFailure) {
  Picture none;
  EXPECT_THROW(none.Width(), fw::NilObjectException);
  EXPECT_THROW(none.GetGraphics(), fw::NilObjectException);
  EXPECT_THROW(none.SetTransparent(1), fw::NilObjectException);
  Picture target = fw::NewPicture(3, 3, 32);
  target.GetGraphics().DrawPicture(none, 0, 0);  // drawing none draws nothing
  EXPECT_TRUE(Painted(target, kWhite).empty());
}

TEST(GraphicsPen, ALineCoversThePenBelowAndRightOfEachPoint) {
  Picture p = fw::NewPicture(12, 12, 32);
  fw::Graphics& g = p.GetGraphics();
  g.DrawLine(2, 3, 6, 3);
  EXPECT_EQ(Painted(p, kWhite), Block(2, 3, 5, 1));

  p = fw::NewPicture(12, 12, 32);
  fw::Graphics& g2 = p.GetGraphics();
  g2.PenWidth = 3;
  g2.PenHeight = 2;
  g2.DrawLine(2, 2, 5, 2);
  EXPECT_EQ(Painted(p, kWhite), Block(2, 2, 6, 2));

  p = fw::NewPicture(12, 12, 32);
  fw::Graphics& g3 = p.GetGraphics();
  g3.PenWidth = g3.PenHeight = 2;
  g3.DrawLine(4, 8, 4, 1);  // upwards: still the pen's extent below and right
  EXPECT_EQ(Painted(p, kWhite), Block(4, 1, 2, 9));
}

TEST(GraphicsPen, ADiagonalLineCoversThePenAtBothEndsAndNothingOutside) {
  Picture p = fw::NewPicture(30, 30, 32);
  fw::Graphics& g = p.GetGraphics();
  g.ForeColor = kRed;
  g.PenWidth = g.PenHeight = 5;
  g.DrawLine(4, 4, 20, 12);
  for (const auto& px : Block(4, 4, 5, 5)) {
    const int x = std::stoi(px), y = std::stoi(px.substr(px.find(',') + 1));
    EXPECT_EQ(p.Pixel(x, y), kRed) << px;
  }
  for (const auto& px : Block(20, 12, 5, 5)) {
    const int x = std::stoi(px), y = std::stoi(px.substr(px.find(',') + 1));
    EXPECT_EQ(p.Pixel(x, y), kRed) << px;
  }
  EXPECT_EQ(Alpha(p, 3, 4), 0);
  EXPECT_EQ(Alpha(p, 25, 14), 0);
  EXPECT_EQ(Alpha(p, 20, 17), 0);
  EXPECT_EQ(Alpha(p, 4, 10), 0);
}

TEST(GraphicsPen, RectangleFrameLiesInsideItsBounds) {
  Picture p = fw::NewPicture(12, 12, 32);
  fw::Graphics& g = p.GetGraphics();
  g.PenWidth = 2;
  g.DrawRect(1, 1, 8, 6);
  const auto painted = Painted(p, kWhite);
  EXPECT_EQ(painted.size(), 8u * 6u - 4u * 4u);  // 8x6 minus the 4x4 inside the 2 x 1 pen
  EXPECT_EQ(p.Pixel(1, 1), kBlack);
  EXPECT_EQ(p.Pixel(8, 6), kBlack);
  EXPECT_EQ(p.Pixel(3, 2), kWhite);
  EXPECT_EQ(p.Pixel(9, 1), kWhite);
}

TEST(GraphicsPen, OvalsFillTheirBoxCentredOnIt) {
  Picture p = fw::NewPicture(103, 103, 32);
  fw::Graphics& g = p.GetGraphics();
  g.ForeColor = fw::HSV(0, 1, 0.9);
  g.FillOval(45, 46, 11, 11);  // the clock's hub: centred on pixel (50, 51)
  EXPECT_EQ(p.Pixel(50, 51), (Color{230, 0, 0}));
  EXPECT_EQ(p.Pixel(45, 51), p.Pixel(55, 51));
  EXPECT_EQ(p.Pixel(50, 46), p.Pixel(50, 56));
  EXPECT_EQ(Alpha(p, 45, 46), 0);
  EXPECT_EQ(Alpha(p, 50, 45), 0);

  Picture ring = fw::NewPicture(20, 20, 32);
  ring.GetGraphics().PenWidth = ring.GetGraphics().PenHeight = 2;
  ring.GetGraphics().DrawOval(0, 0, 20, 20);
  EXPECT_EQ(Alpha(ring, 10, 10), 0);
  EXPECT_EQ(ring.Pixel(1, 10), kBlack);
  EXPECT_EQ(ring.Pixel(10, 18), kBlack);
}

TEST(GraphicsText, StringsSitOnTheirBaselineAndMeasure) {
  Picture p = fw::NewPicture(120, 40, 32);
  fw::Graphics& g = p.GetGraphics();
  g.TextFont = "Arial";
  g.TextSize = 14;
  g.DrawString("Hello", 5, 30);
  bool above = false, below = false;
  for (const auto& px : Painted(p, kWhite)) {
    const int y = std::stoi(px.substr(px.find(',') + 1));
    above = above || y < 30;
    below = below || y > 32;
  }
  EXPECT_TRUE(above);
  EXPECT_FALSE(below);  // no descenders in "Hello"
  EXPECT_GT(g.StringWidth("Hello"), g.StringWidth("Hi"));
  const int small = g.TextHeight();
  g.TextSize = 28;
  EXPECT_GT(g.TextHeight(), small);
  EXPECT_GT(g.TextAscent(), 0);
  g.Bold = true;
  EXPECT_GE(g.StringWidth("Hello"), 1);
}

TEST(GraphicsText, WrappedLinesFitTheirWidth) {
  Picture p = fw::NewPicture(10, 10, 24);
  fw::Graphics& g = p.GetGraphics();
  g.TextSize = 9;
  const int width = g.StringWidth("one two three");
  const auto lines = fw::WrapText(g, "one two three four\r\n\n" + std::string(60, 'x'), width);
  ASSERT_GE(lines.size(), 5u);
  EXPECT_EQ(lines[0], "one two three");  // the blank at the break is left out
  EXPECT_EQ(lines[1], "four");
  EXPECT_EQ(lines[2], "");               // CRLF is one break, the LF after it another
  std::string word;
  for (size_t i = 3; i < lines.size(); ++i) {
    EXPECT_LE(g.StringWidth(lines[i]), width) << lines[i];
    word += lines[i];
  }
  EXPECT_EQ(word, std::string(60, 'x'));  // a word wider than the line is broken, nothing lost
  EXPECT_EQ(fw::WrapText(g, "a\rb\rc", width, 2), (std::vector<fw::String>{"a", "b"}));
  EXPECT_EQ(fw::WrapText(g, "", width), std::vector<fw::String>{""});
}

TEST(PictureTransparency, ModeOneLeavesWhitePixelsUndrawn) {
  Picture source = fw::NewPicture(4, 1, 24);  // white
  source.GetGraphics().ForeColor = kRed;
  source.GetGraphics().FillRect(0, 0, 2, 1);

  Picture opaque = Filled(4, 1, kBlue);
  opaque.GetGraphics().DrawPicture(source, 0, 0);
  EXPECT_EQ(opaque.Pixel(3, 0), kWhite);

  source.SetTransparent(1);
  EXPECT_EQ(source.Transparent(), 1);
  Picture shows = Filled(4, 1, kBlue);
  shows.GetGraphics().DrawPicture(source, 0, 0);
  EXPECT_EQ(shows.Pixel(0, 0), kRed);
  EXPECT_EQ(shows.Pixel(3, 0), kBlue);
  EXPECT_EQ(source.Pixel(3, 0), kWhite);  // the picture itself keeps its white

  // A change after a draw shows at the next draw.
  source.GetGraphics().FillRect(3, 0, 1, 1);
  Picture again = Filled(4, 1, kBlue);
  again.GetGraphics().DrawPicture(source, 0, 0);
  EXPECT_EQ(again.Pixel(3, 0), kRed);
  EXPECT_EQ(again.Pixel(2, 0), kBlue);
}

TEST(PictureScaled, SourceRectangleStretchesIntoTheDestination) {
  Picture quad = fw::NewPicture(2, 2, 32);
  fw::Graphics& q = quad.GetGraphics();
  const Color colours[4] = {kRed, kBlue, Color{0, 200, 0}, kBlack};
  for (int i = 0; i < 4; ++i) {
    q.ForeColor = colours[i];
    q.FillRect(i % 2, i / 2, 1, 1);
  }
  Picture big = fw::NewPicture(20, 20, 32);
  big.GetGraphics().DrawPicture(quad, 0, 0, 20, 20, 0, 0, 2, 2);
  EXPECT_EQ(big.Pixel(2, 2), kRed);
  EXPECT_EQ(big.Pixel(17, 2), kBlue);
  EXPECT_EQ(big.Pixel(2, 17), (Color{0, 200, 0}));
  EXPECT_EQ(big.Pixel(17, 17), kBlack);

  Picture part = fw::NewPicture(10, 10, 32);
  part.GetGraphics().DrawPicture(quad, 0, 0, 10, 10, 1, 0, 1, 1);
  EXPECT_EQ(part.Pixel(1, 1), kBlue);
  EXPECT_EQ(part.Pixel(8, 8), kBlue);

  Picture shrunk = fw::NewPicture(42, 42, 32);  // as the clock is shown in the main window
  Picture clock = Filled(103, 103, kRed);
  shrunk.GetGraphics().DrawPicture(clock, 0, 0, 42, 42, 0, 0, 103, 103);
  EXPECT_EQ(shrunk.Pixel(41, 41), kRed);
}

TEST(GraphicsPainterPort, DrawsThroughAnExistingPainterWithTheSameRules) {
  QImage image(10, 10, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::white);
  {
    QPainter painter(&image);
    auto g = fw::GraphicsForPainter(&painter, 10, 10);
    EXPECT_EQ(g->Width(), 10);
    g->PenWidth = 2;
    g->DrawLine(1, 1, 4, 1);
    g->ForeColor = kRed;
    g->FillRect(7, 7, 2, 2);
  }
  EXPECT_EQ(image.pixel(1, 1), qRgb(0, 0, 0));
  EXPECT_EQ(image.pixel(5, 1), qRgb(0, 0, 0));
  EXPECT_EQ(image.pixel(6, 1), qRgb(255, 255, 255));
  EXPECT_EQ(image.pixel(1, 2), qRgb(255, 255, 255));
  EXPECT_EQ(image.pixel(8, 8), qRgb(255, 0, 0));
}

struct ResourceSize {
  int number, width, height;
};

// Each picture is the size of the control that shows it.
constexpr ResourceSize kResources[] = {
    {168, 16, 16}, {169, 16, 16}, {170, 16, 16}, {171, 16, 16},   // seasons, search
    {172, 20, 20}, {173, 20, 20}, {174, 20, 20}, {175, 20, 20},   // contact icons
    {176, 20, 20}, {177, 20, 20}, {178, 20, 20}, {179, 20, 20},
    {180, 16, 11}, {181, 16, 11}, {182, 20, 100}, {183, 16, 11},  // flags, notes icon
    {184, 38, 27}, {185, 248, 396}, {186, 103, 103},              // ring, shadow, clock
};

TEST(PictureResources, EveryProgramPictureLoadsAtItsControlsSize) {
  for (const ResourceSize& r : kResources) {
    Picture p = fw::LoadPictureResource(r.number);
    ASSERT_TRUE(p) << r.number;
    EXPECT_EQ(p.Width(), r.width) << r.number;
    EXPECT_EQ(p.Height(), r.height) << r.number;
    EXPECT_EQ(p.Transparent(), 0) << r.number;
    EXPECT_FALSE(Painted(p, kWhite).empty()) << r.number << " is blank";
  }
}

// At the ratios rendered when the program is built, a picture is read from its pixels:
// they are what its SVG source renders now, and what the program shows.
TEST(PictureResources, EmbeddedPixelsAreWhatTheVectorSourceRenders) {
  for (const ResourceSize& r : kResources) {
    for (int ratio : {1, 2}) {
      const QResource pixels(QStringLiteral(":/pictures/%1@%2.argb").arg(r.number).arg(ratio));
      ASSERT_TRUE(pixels.isValid()) << r.number << " at ratio " << ratio;
      const QImage embedded = fw::UnpackPixels(pixels.uncompressedData(), ratio);
      EXPECT_EQ(embedded, fw::RenderSvgPicture(QStringLiteral(":/pictures/%1.svg").arg(r.number), ratio))
          << r.number << " at ratio " << ratio;
      EXPECT_EQ(embedded.devicePixelRatio(), ratio);
      if (ratio == fw::PictureRatio()) {
        EXPECT_EQ(PictureImage(fw::LoadPictureResource(r.number)), embedded);
      }
    }
  }
}

TEST(PictureResources, TheClockFaceIsCentredOnPixel50x51AndKeepsItsDial) {
  Picture face = fw::LoadPictureResource(186);
  face.SetTransparent(1);
  Picture shown = fw::NewPicture(103, 103, 32);
  shown.GetGraphics().DrawPicture(face, 0, 0);
  // The dial is not pure white, so it survives transparency 1; the corners are empty.
  EXPECT_EQ(Alpha(shown, 50, 51), 255);
  EXPECT_EQ(Alpha(shown, 0, 0), 0);
  EXPECT_EQ(Alpha(shown, 102, 102), 0);
  // The rim is symmetric about the centre pixel: row y mirrors row 102 - y, column x
  // column 100 - x.
  EXPECT_GT(Alpha(shown, 50, 2), 0);
  EXPECT_NEAR(Alpha(shown, 50, 2), Alpha(shown, 50, 100), 8);
  EXPECT_GT(Alpha(shown, 1, 51), 0);
  EXPECT_NEAR(Alpha(shown, 1, 51), Alpha(shown, 99, 51), 8);
  EXPECT_EQ(Alpha(shown, 0, 51), 0);
  EXPECT_EQ(Alpha(shown, 50, 101), 0);
}

TEST(PictureResources, AMissingNumberGivesABlankPlaceholder) {
  Picture p = fw::LoadPictureResource(9999, 20, 11);
  ASSERT_TRUE(p);
  EXPECT_EQ(p.Width(), 20);
  EXPECT_EQ(p.Height(), 11);
  EXPECT_TRUE(Painted(p, kWhite).empty());
  p.SetTransparent(1);  // what the program does next must work
  EXPECT_TRUE(fw::LoadPictureResource(-1));
  EXPECT_EQ(fw::LoadPictureResource(0, 0, 0).Width(), 1);
}

TEST(PictureFiles, OnlyPictureFilesOpenAsPictures) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const std::string png = dir.filePath("p.png").toStdString();
  Picture p = Filled(5, 3, kBlue);
  ASSERT_TRUE(p.Save(png));
  Picture back = fw::OpenPictureFile(png);
  ASSERT_TRUE(back);
  EXPECT_EQ(back.Width(), 5);
  EXPECT_EQ(back.Height(), 3);
  EXPECT_EQ(back.Pixel(4, 2), kBlue);

  const QString text = dir.filePath("notes.png");  // a picture's name, a text's content
  QFile f(text);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write("not a picture\n");
  f.close();
  EXPECT_FALSE(fw::OpenPictureFile(text.toStdString()));
  EXPECT_FALSE(fw::OpenPictureFile(dir.filePath("missing.png").toStdString()));
  EXPECT_FALSE(fw::OpenPictureFile(dir.path().toStdString()));  // a folder

  // Mend: a photo larger than the toolkit decodes whole was refused, and the stored
  // background with it; it opens scaled down, its shape kept. The limit is lowered here
  // so that a small file stands for a camera's.
  const std::string photo = dir.filePath("photo.png").toStdString();
  ASSERT_TRUE(Filled(3000, 1000, kBlue).Save(photo));
  const int limit = QImageReader::allocationLimit();
  QImageReader::setAllocationLimit(8);  // MB: 2 megapixels
  Picture large = fw::OpenPictureFile(photo);
  QImageReader::setAllocationLimit(limit);
  ASSERT_TRUE(large);
  EXPECT_EQ(large.Width(), 1500);
  EXPECT_EQ(large.Height(), 500);
  EXPECT_EQ(large.Pixel(750, 250), kBlue);
}

TEST(GraphicsSelectColor, TheChoiceReplacesTheColourAndCancelKeepsIt) {
  Color seen{};
  std::string prompt;
  fw::SetColorDialogHandlerForTesting([&](Color initial, const fw::String& p) -> std::optional<Color> {
    seen = initial;
    prompt = p;
    return Color{1, 2, 3};
  });
  Color c{10, 20, 30};
  EXPECT_TRUE(fw::SelectColor(c, "Pick"));
  EXPECT_EQ(c, (Color{1, 2, 3}));
  EXPECT_EQ(seen, (Color{10, 20, 30}));
  EXPECT_EQ(prompt, "Pick");

  fw::SetColorDialogHandlerForTesting([](Color, const fw::String&) { return std::optional<Color>(); });
  EXPECT_FALSE(fw::SelectColor(c, "Pick"));
  EXPECT_EQ(c, (Color{1, 2, 3}));
  fw::SetColorDialogHandlerForTesting(nullptr);
}

TEST(PictureHandles, CopiesShareOneImage) {
  Picture a = fw::NewPicture(2, 2, 32);
  Picture b = a;
  b.GetGraphics().FillRect(0, 0, 1, 1);
  b.SetTransparent(1);
  EXPECT_EQ(a.Pixel(0, 0), kBlack);
  EXPECT_EQ(a.Transparent(), 1);
  EXPECT_TRUE(a == b);
  EXPECT_FALSE(a == fw::NewPicture(2, 2, 32));
}

}  // namespace
