// The main screen's available area.
#include "framework/screen.h"

#include <QGuiApplication>
#include <QScreen>

namespace fw {

namespace {
QRect AvailableArea() {
  QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? screen->availableGeometry() : QRect();
}
}  // namespace

int32_t ScreenWidth() { return AvailableArea().width(); }
int32_t ScreenHeight() { return AvailableArea().height(); }

}  // namespace fw
