// Windows on one monitor each.
#include <QApplication>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <optional>

#include "framework/one_monitor_qt.h"

namespace fw {

namespace {

int changes = 0;

// The part of a monitor windows may use; all of it when the desktop tells none (a
// window manager that ended left a stale work area behind).
QRect UsableArea(const QScreen* screen) {
  const QRect area = screen->availableGeometry();
  return area.isEmpty() ? screen->geometry() : area;
}

int64_t Overlap(const QRect& a, const QRect& b) {
  const QRect both = a.intersected(b);
  return both.isEmpty() ? 0 : int64_t(both.width()) * both.height();
}

int64_t SquaredGap(const QRect& a, const QRect& b) {
  const int64_t dx = std::max({0, b.left() - a.right(), a.left() - b.right()});
  const int64_t dy = std::max({0, b.top() - a.bottom(), a.top() - b.bottom()});
  return dx * dx + dy * dy;
}

// The monitor holding most of the frame, else the nearest; none without monitors.
std::optional<QRect> HomeFor(const QRect& frame) {
  std::optional<QRect> home;
  for (const QScreen* screen : QGuiApplication::screens()) {
    const QRect area = UsableArea(screen);
    if (area.isEmpty()) continue;
    if (area.contains(frame)) return area;
    if (!home || Overlap(frame, area) > Overlap(frame, *home) ||
        (Overlap(frame, *home) == 0 && Overlap(frame, area) == 0 && SquaredGap(frame, area) < SquaredGap(frame, *home)))
      home = area;
  }
  return home;
}

// The least shift of one edge pair into [low, high]; the low edge wins when both are out.
int Shifted(int start, int length, int low, int high) {
  return std::max(low, std::min(start, high - length + 1));
}

void KeepAllOnMonitors() {
  for (QWidget* top : QApplication::topLevelWidgets()) {
    const Qt::WindowType type = top->windowType();
    if (top->isVisible() && (type == Qt::Window || type == Qt::Dialog || type == Qt::Tool)) KeepOnOneMonitor(top);
  }
}

// The window manager may answer the same change by moving windows itself: once at
// once and once it has settled.
constexpr int kSettling = 1000;  // ms

void Changed() {
  ++changes;
  QTimer::singleShot(0, qApp, KeepAllOnMonitors);
  QTimer::singleShot(kSettling, qApp, KeepAllOnMonitors);
}

// Only the monitor itself: a panel that starts, hides or moves changes the area windows
// may use, but leaves every window within reach, where the user put it.
void Watch(QScreen* screen) { QObject::connect(screen, &QScreen::geometryChanged, qApp, Changed); }

}  // namespace

int MonitorChanges() { return changes; }

void WatchMonitors() {
  static bool watching = false;
  if (watching || !qApp) return;
  watching = true;
  for (QScreen* screen : QGuiApplication::screens()) Watch(screen);
  QObject::connect(qApp, &QGuiApplication::screenAdded, qApp, [](QScreen* screen) {
    Watch(screen);
    Changed();
  });
  QObject::connect(qApp, &QGuiApplication::screenRemoved, qApp, Changed);
  QObject::connect(qApp, &QGuiApplication::primaryScreenChanged, qApp, Changed);
}

void KeepOnOneMonitor(QWidget* top) {
  const QRect frame = top->frameGeometry();
  const std::optional<QRect> home = HomeFor(frame);
  if (!home || home->contains(frame)) return;
  const QPoint corner(Shifted(frame.left(), frame.width(), home->left(), home->right()),
                      Shifted(frame.top(), frame.height(), home->top(), home->bottom()));
  top->move(top->pos() + (corner - frame.topLeft()));  // the frame's corner either way
}

}  // namespace fw
