// Iconize window: the thumbnail's size for each view, its place at the top right of
// the main screen, the main window hidden while it is up, and the ways it closes.
#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <array>
#include <functional>

#include "app/app.h"
#include "dialogs/fin_icona.h"
#include "framework/application.h"
#include "framework/control_widget_qt.h"
#include "framework/graphics.h"
#include "framework/screen.h"
#include "store/globali.h"
#include "support/main_window_fixture.h"

namespace {

struct Seen {
  bool open = false;
  int32_t width = 0, height = 0, left = 0, top = 0;
  int32_t minWidth = 0, minHeight = 0, maxWidth = 0, maxHeight = 0;
  int backdropWidth = 0, backdropHeight = 0;
  bool mainVisible = true;
  bool staysOnTop = false;
};

class Iconise : public testsupport::MainWindowFixture {
 protected:
  void SetUp() override {
    MainWindowFixture::SetUp();
    fw::ResetApplicationForTesting();  // drops the main window's waiting open step
    fw::OpenApplication();
  }
  void TearDown() override {
    if (fin_icona::Window* w = fin_icona::OpenWindowForTesting()) w->Close();
    Globali::visua = 0;
    win().visuafinestra();
    fw::ResetApplicationForTesting();
    MainWindowFixture::TearDown();
  }

  // Runs the command; while the thumbnail is up, records it and then ends it by `end`.
  Seen RunIconise(std::function<void(fin_icona::Window&)> end) {
    Seen seen;
    QTimer::singleShot(0, [&] {
      fin_icona::Window* w = fin_icona::OpenWindowForTesting();
      if (!w) return;
      seen = {true, w->Width(), w->Height(), w->Left(), w->Top(), w->MinWidth(), w->MinHeight(),
              w->MaxWidth(), w->MaxHeight(), w->Backdrop() ? w->Backdrop().Width() : 0,
              w->Backdrop() ? w->Backdrop().Height() : 0, fw::TopWidgetOf(win())->isVisible(),
              fw::TopWidgetOf(*w)->windowFlags().testFlag(Qt::WindowStaysOnTopHint)};
      end(*w);
    });
    App app;
    app._VisualizzazioneRiduciadicona_Action();
    return seen;
  }
  static void ClickOn(fin_icona::Window& w) {
    QWidget* content = fw::TopWidgetOf(w)->childAt(5, 5);
    ASSERT_NE(content, nullptr);
    QTest::mouseClick(content, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
  }
  // The window manager makes the window this wide, keeping its height.
  static void UserResize(fin_icona::Window& w, int width) {
    QWidget* top = fw::TopWidgetOf(w);
    top->resize(width, top->height());
    QApplication::processEvents();
  }
  static int ScreenWidth() { return QGuiApplication::primaryScreen()->geometry().width(); }
};

TEST_F(Iconise, FullWindowGivesAQuarterSizeThumbnailAtTheTopRight) {
  ASSERT_EQ(win().Width(), 786);
  const Seen s = RunIconise(ClickOn);
  ASSERT_TRUE(s.open);
  EXPECT_EQ(s.width, 196);
  EXPECT_EQ(s.height, 136);
  EXPECT_EQ(s.top, 38);
  EXPECT_EQ(s.left, ScreenWidth() - 196 - 2);
  EXPECT_EQ(s.minWidth, 196);
  EXPECT_EQ(s.minHeight, 136);
  EXPECT_EQ(s.maxWidth, 786);
  EXPECT_EQ(s.maxHeight, 546);
  EXPECT_EQ(s.backdropWidth, 196);
  EXPECT_EQ(s.backdropHeight, 136);
  EXPECT_FALSE(s.mainVisible) << "the thumbnail stands in for the main window";
  EXPECT_TRUE(s.staysOnTop) << "so it floats above every application's windows";
  EXPECT_EQ(Globali::winpict.Width(), 786);
  EXPECT_EQ(Globali::winpict.Height(), 546);
  // The click closed it and brought the main window back.
  EXPECT_EQ(fin_icona::OpenWindowForTesting(), nullptr);
  EXPECT_TRUE(fw::TopWidgetOf(win())->isVisible());
}

// Mend: the thumbnail was placed from the screen's width alone, so a dock on the left
// shifted it by the dock's width away from the right edge.
TEST_F(Iconise, ItsRightEdgeIsTwoPixelsFromTheRightOfTheAreaForWindows) {
  const fw::ScreenArea beside_a_dock{64, 0, 1216, 800};
  fw::SetScreenAreaForTesting(&beside_a_dock);
  const Seen s = RunIconise(ClickOn);
  fw::SetScreenAreaForTesting(nullptr);
  EXPECT_EQ(s.left, 64 + 1216 - 196 - 2);
  EXPECT_EQ(s.top, 38);
}

// Mend: the thumbnail showed at its design size (64 wide) in the middle of the screen
// and was then resized, moved and shown again for its modality. A window manager
// still catching up with that first showing left all but its first 64 pixels black.
TEST_F(Iconise, TheThumbnailAppearsOnceAlreadyAtItsSizeAndPlace) {
  struct ShowsOfTheThumbnail : QObject {
    std::vector<std::array<int, 4>> shown;  // left, top, width, height
    bool eventFilter(QObject* watched, QEvent* e) override {
      fin_icona::Window* icon = fin_icona::OpenWindowForTesting();
      if (e->type() == QEvent::Show && icon && watched == fw::TopWidgetOf(*icon)) {
        const QRect r = fw::TopWidgetOf(*icon)->geometry();
        shown.push_back({r.x(), r.y(), r.width(), r.height()});
      }
      return false;
    }
  } shows;
  qApp->installEventFilter(&shows);
  RunIconise(ClickOn);
  qApp->removeEventFilter(&shows);
  EXPECT_EQ(shows.shown, (std::vector<std::array<int, 4>>{{ScreenWidth() - 196 - 2, 38, 196, 136}}));
}

TEST_F(Iconise, NotesOnlyIsHalvedAndNotesAndCalendarQuartered) {
  Globali::visua = 2;
  win().visuafinestra();
  Seen s = RunIconise(ClickOn);
  EXPECT_EQ(s.width, 129);
  EXPECT_EQ(s.height, 273);
  EXPECT_EQ(s.left, ScreenWidth() - 129 - 2);

  Globali::visua = 1;
  win().visuafinestra();
  s = RunIconise(ClickOn);
  EXPECT_EQ(s.width, 130);
  EXPECT_EQ(s.height, 136);
}

TEST_F(Iconise, ThePictureIsTheMainWindowShrunk) {
  win().SetBackColor(fw::RGB(200, 0, 0));
  RunIconise(ClickOn);
  ASSERT_FALSE(Globali::winpict.IsNull());
  // The top left of the window is its background, away from any control.
  EXPECT_EQ(Globali::winpict.Pixel(1, 1), fw::RGB(200, 0, 0));
}

TEST_F(Iconise, TheCloseBoxShowsTheMainWindowToo) {
  const Seen s = RunIconise([](fin_icona::Window& w) { fw::TopWidgetOf(w)->close(); });
  ASSERT_TRUE(s.open);
  EXPECT_EQ(fin_icona::OpenWindowForTesting(), nullptr);
  EXPECT_TRUE(fw::TopWidgetOf(win())->isVisible());
}

TEST_F(Iconise, ResizingKeepsTheMainWindowsProportions) {
  int32_t heightAtFull = 0, heightAtMiddle = 0, backdropAtFull = 0;
  bool clickedAfterResize = false;
  RunIconise([&](fin_icona::Window& w) {
    UserResize(w, 393);
    heightAtMiddle = w.Height();
    UserResize(w, w.MaxWidth());
    heightAtFull = w.Height();
    backdropAtFull = w.Backdrop().Width();
    ClickOn(w);
    clickedAfterResize = fin_icona::OpenWindowForTesting() == nullptr;
  });
  EXPECT_EQ(heightAtMiddle, 273);
  EXPECT_EQ(heightAtFull, 546);
  EXPECT_EQ(backdropAtFull, 786);
  EXPECT_TRUE(clickedAfterResize);
  EXPECT_TRUE(fw::TopWidgetOf(win())->isVisible());
}

}  // namespace
