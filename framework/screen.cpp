// The main screen's available area.
#include "framework/screen.h"

#include <QGuiApplication>
#include <QScreen>
#include <optional>

namespace fw {

namespace {
std::optional<ScreenArea> areaForTesting;
}  // namespace

ScreenArea AvailableScreenArea() {
  if (areaForTesting) return *areaForTesting;
  QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return {};
  const QRect r = screen->availableGeometry();
  return {r.x(), r.y(), r.width(), r.height()};
}

int32_t ScreenLeft() { return AvailableScreenArea().left; }
int32_t ScreenWidth() { return AvailableScreenArea().width; }
int32_t ScreenHeight() { return AvailableScreenArea().height; }

void SetScreenAreaForTesting(const ScreenArea* area) {
  areaForTesting = area ? std::optional<ScreenArea>(*area) : std::nullopt;
}

}  // namespace fw
