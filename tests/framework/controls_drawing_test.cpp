// Drawing and clicks among overlapping controls: creation order is drawing order,
// labels, lines, ovals and canvases are transparent, the frontmost control takes the
// click, and a canvas keeps what was drawn on it.
#include "controls_fixture.h"
#include "framework/graphics_qt.h"

using namespace fw;
using controls_test::ControlsFixture;

namespace {

const QColor kBlue(0, 0, 255), kRed(255, 0, 0), kGreen(0, 160, 0);

class ControlDrawing : public ControlsFixture {
 protected:
  Rectangle& Panel(const std::string& name, int l, int t, int w, int h, Color fill) {
    Rectangle& r = Add<Rectangle>(name, l, t, w, h);
    r.SetFillColor(fill);
    r.SetBorderWidth(0);
    return r;
  }
  QColor At(const QImage& img, int x, int y) { return img.pixelColor(x, y); }
};

}  // namespace

TEST_F(ControlDrawing, LaterControlsLieInFront) {
  Panel("Rectangle3", 10, 10, 100, 100, RGB(0, 0, 255));
  Panel("Rectangle2", 50, 50, 100, 100, RGB(255, 0, 0));
  ShowActive();
  QImage img = Snapshot();
  EXPECT_EQ(At(img, 20, 20), kBlue);
  EXPECT_EQ(At(img, 60, 60), kRed);
  EXPECT_EQ(At(img, 200, 200), QColor(255, 255, 255)) << "the window's back colour";
}

TEST_F(ControlDrawing, LabelsLinesOvalsAndCanvasesAreTransparent) {
  Panel("Rectangle3", 0, 0, 300, 200, RGB(0, 0, 255));
  Oval& oval = Add<Oval>("segnanota", 10, 10, 34, 23, 0);
  oval.SetFillColor(RGB(255, 0, 0));
  oval.SetBorderWidth(0);
  StaticText& day = Add<StaticText>("cal_day", 10, 10, 32, 22, 0);
  day.SetText("7");
  day.SetTextAlign(1);
  Line& line = Add<Line>("Line5", 0, 0, 0, 0);
  line.SetX1(100);
  line.SetY1(5);
  line.SetX2(100);
  line.SetY2(50);
  line.SetLineColor(RGB(0, 160, 0));
  Add<Canvas>("segnapuntato", 150, 10, 38, 27);
  ShowActive();
  QImage img = Snapshot();
  EXPECT_EQ(At(img, 27, 21), kRed) << "the oval shows behind the day number's label";
  EXPECT_EQ(At(img, 11, 11), kBlue) << "outside the ellipse, inside its rectangle";
  EXPECT_EQ(At(img, 100, 20), kGreen);
  EXPECT_EQ(At(img, 101, 20), kBlue) << "a line is as thick as its border width";
  EXPECT_EQ(At(img, 160, 20), kBlue) << "an empty canvas shows what lies behind it";
  EXPECT_EQ(line.Left(), 100);
  EXPECT_EQ(line.Height(), 45);
}

TEST_F(ControlDrawing, FrontmostControlTakesTheClick) {
  Oval& oval = Add<Oval>("segnanota", 10, 10, 34, 23, 4);
  StaticText& day = Add<StaticText>("cal_day", 11, 11, 32, 22, 4);
  Canvas& ring = Add<Canvas>("segnapuntato", 8, 8, 38, 27);
  std::vector<std::string> hits;
  auto record = [&](Object& s, int32_t, int32_t) { hits.push_back(s.Name); return false; };
  window->_InstallInstanceEventHandler(oval, "MouseDown", record);
  window->_InstallInstanceEventHandler(day, "MouseDown", record);
  ShowActive();
  ClickAt(QPoint(25, 20));
  EXPECT_TRUE(hits.empty()) << "the ring lies in front and takes the click";
  ring.SetVisible(false);
  ClickAt(QPoint(25, 20));
  EXPECT_EQ(hits, (std::vector<std::string>{"cal_day"}));
}

TEST_F(ControlDrawing, CanvasKeepsWhatWasDrawnAndRepaintsFromIt) {
  Canvas& clock = Add<Canvas>("Canvas1", 20, 20, 42, 42);
  ShowActive();
  Graphics& g = clock.Graphics();
  g.ForeColor = RGB(255, 0, 0);
  g.FillRect(0, 0, 21, 42);
  QImage img = Snapshot();
  EXPECT_EQ(At(img, 25, 30), kRed);
  EXPECT_EQ(At(img, 50, 30), QColor(255, 255, 255)) << "undrawn: transparent";
  clock.Refresh();
  window->Refresh(true);
  img = Snapshot();
  EXPECT_EQ(At(img, 25, 30), kRed) << "a repaint draws the kept picture again";

  // The backdrop lies beneath the drawing.
  Picture back = NewPicture(42, 42, 32);
  back.GetGraphics().ForeColor = RGB(0, 0, 255);
  back.GetGraphics().FillRect(0, 0, 42, 42);
  clock.SetBackdrop(back);
  img = Snapshot();
  EXPECT_EQ(At(img, 25, 30), kRed);
  EXPECT_EQ(At(img, 50, 30), kBlue);
}

TEST_F(ControlDrawing, StaticTextShowsItsLinesAndTakesItsStyle) {
  StaticText& t = Add<StaticText>("mese_label", 10, 10, 240, 20);
  t.SetText("CALENDARIO");
  t.SetTextFont("Times");
  t.SetTextSize(12);
  t.SetBold(true);
  t.SetTextColor(RGB(0x32, 0x00, 0x66));
  EXPECT_EQ(WidgetOf(t)->font().pixelSize(), 12);
  EXPECT_TRUE(WidgetOf(t)->font().bold());
  EXPECT_EQ(WidgetOf(t)->palette().color(QPalette::Active, QPalette::WindowText), QColor(0x32, 0x00, 0x66));
  t.SetText("a\nb");
  EXPECT_EQ(t.Text(), "a\rb");
  EXPECT_EQ(t.Caption(), "a\rb");
}

// A label's design colour was chosen for a light window. On a dark desktop, a label on a
// window that takes the desktop's colour must still be read; on a window with a colour of
// its own it keeps the design's colour.
TEST_F(ControlDrawing, LabelsStayReadableOnADarkDesktop) {
  const QPalette before = QApplication::palette();
  QPalette dark = before;
  dark.setColor(QPalette::Window, QColor(0x35, 0x35, 0x35));
  dark.setColor(QPalette::WindowText, Qt::white);
  QApplication::setPalette(dark);
  window->SetHasBackColor(false);
  StaticText& navy = Add<StaticText>("cstesto", 10, 10, 200, 30);
  navy.SetText("MMMM");
  navy.SetTextSize(24);
  navy.SetBold(true);
  navy.SetTextColor(RGB(0x00, 0x00, 0x80));
  ShowActive();
  const QRect label(10, 10, 200, 30);
  QImage img = Snapshot();
  const int back = qGray(img.pixel(300, 200));
  int strongest = 0;
  for (int y = label.top(); y <= label.bottom(); ++y)
    for (int x = label.left(); x <= label.right(); ++x)
      strongest = std::max(strongest, std::abs(qGray(img.pixel(x, y)) - back));
  EXPECT_GT(strongest, 90) << "the text stands out from the dark window";
  window->SetHasBackColor(true);
  window->SetBackColor(RGB(0xE6, 0xE6, 0xE6));
  img = Snapshot();
  bool designColour = false;
  for (int y = label.top(); y <= label.bottom(); ++y)
    for (int x = label.left(); x <= label.right(); ++x)
      designColour |= img.pixelColor(x, y) == QColor(0, 0, 0x80);
  EXPECT_TRUE(designColour) << "on the window's own light colour the text keeps its colour";
  QApplication::setPalette(before);
}

TEST_F(ControlDrawing, DesignFontsResolveToMetricCompatibleFaces) {
  // Whichever metric-compatible face the system's font substitution offers.
  auto resolved = [](QWidget* w) {
    QString family = QFontInfo(w->font()).family();
    return family.left(family.indexOf(" [")).toStdString();  // without the foundry
  };
  const std::vector<std::string> times = {"Liberation Serif", "Nimbus Roman", "Times", "Times New Roman", "Tinos"};
  const std::vector<std::string> arial = {"Liberation Sans", "Nimbus Sans", "Arial", "Arimo"};
  StaticText& t = Add<StaticText>("day_testo", 13, 3, 90, 14, 0);
  t.SetTextFont("Times");
  t.SetTextSize(12);
  EXPECT_NE(std::find(times.begin(), times.end(), resolved(WidgetOf(t))), times.end()) << resolved(WidgetOf(t));
  EXPECT_EQ(QFontInfo(WidgetOf(t)->font()).pixelSize(), 12);
  t.SetTextFont("Arial");
  EXPECT_NE(std::find(arial.begin(), arial.end(), resolved(WidgetOf(t))), arial.end()) << resolved(WidgetOf(t));
}

namespace {

// Whether `picture`'s image, as it shows on white, is what `window` holds from `at` on,
// device pixel for device pixel.
bool ShowsPixelForPixel(const QImage& window, QPoint at, const QImage& picture) {
  for (int y = 0; y < picture.height(); ++y)
    for (int x = 0; x < picture.width(); ++x) {
      const QRgb p = picture.pixel(x, y);
      const int blank = 255 - qAlpha(p);
      const QColor seen = window.pixelColor(at.x() + x, at.y() + y);
      if (std::abs(seen.red() - (qRed(p) + blank)) > 2 || std::abs(seen.green() - (qGreen(p) + blank)) > 2 ||
          std::abs(seen.blue() - (qBlue(p) + blank)) > 2)
        return false;
    }
  return true;
}

}  // namespace

// The "hidpi" test run starts this program with QT_SCALE_FACTOR=2.
TEST_F(ControlDrawing, PicturesHoldTheScreensPixelRatioAndKeepTheirDesignSize) {
  if (qApp->devicePixelRatio() < 2) GTEST_SKIP() << "needs a screen with a device pixel ratio of 2";
  Picture icon = LoadPictureResource(170);  // a snowflake: finer than its design pixels
  EXPECT_EQ(icon.Width(), 16);
  EXPECT_EQ(icon.Height(), 16);
  EXPECT_EQ(PictureImage(icon).size(), QSize(32, 32));
  Add<Canvas>("icon", 20, 20, 16, 16).SetBackdrop(icon);

  // The clock's way: a large picture drawn scaled into a canvas.
  Canvas& clock = Add<Canvas>("Canvas1", 60, 20, 42, 42);
  Graphics& g = clock.Graphics();
  EXPECT_EQ(g.Width(), 42);
  g.DrawPicture(LoadPictureResource(186), 0, 0, 42, 42, 0, 0, 103, 103);
  EXPECT_EQ(clock.BackingPicture().Width(), 42);
  EXPECT_EQ(PictureImage(clock.BackingPicture()).size(), QSize(84, 84));

  ShowActive();
  const QImage shown = Snapshot();
  ASSERT_EQ(shown.size(), QSize(800, 600));
  EXPECT_TRUE(ShowsPixelForPixel(shown, {40, 40}, PictureImage(icon)));
  EXPECT_TRUE(ShowsPixelForPixel(shown, {120, 40}, PictureImage(clock.BackingPicture())));

  // A snapshot of the window (the iconised window's picture) is as sharp.
  Picture snapshot = NewPicture(400, 300, 32);
  window->DrawInto(snapshot.GetGraphics(), 0, 0);
  EXPECT_TRUE(ShowsPixelForPixel(PictureImage(snapshot), {40, 40}, PictureImage(icon)));
}
