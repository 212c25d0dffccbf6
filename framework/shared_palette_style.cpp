// The toolkit's style keeps the scroll bars it drew as pictures, under a name made from
// the palette's serial number, and every window made anew gives its controls palettes
// with new numbers, the same colours or not. So each reminder window added pictures
// and names no later window could use: about 2.5 kB a reminder, and the names stay
// even once the pictures are dropped. Here a scroll bar is drawn with the first palette
// seen with its colours, so that every later window with those colours finds them.
#include <QApplication>
#include <QPalette>
#include <QProxyStyle>
#include <QStyleOption>
#include <algorithm>
#include <vector>

#include "framework/shared_palette_style_qt.h"

namespace fw::internal {

namespace {

class SharedPaletteStyle : public QProxyStyle {
 public:
  explicit SharedPaletteStyle(QStyle* style) : QProxyStyle(style) {}

  void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                          const QWidget* widget) const override {
    if (const auto* slider = qstyleoption_cast<const QStyleOptionSlider*>(option)) {
      QStyleOptionSlider shared = *slider;
      shared.palette = Shared(slider->palette);
      // Equal palettes may stand for different groups: enabled, disabled, inactive.
      shared.palette.setCurrentColorGroup(slider->palette.currentColorGroup());
      QProxyStyle::drawComplexControl(control, &shared, painter, widget);
      return;
    }
    QProxyStyle::drawComplexControl(control, option, painter, widget);
  }

 private:
  // A program has a handful of colour sets; one it stopped using long ago makes room.
  static constexpr size_t kMostPalettes = 32;

  const QPalette& Shared(const QPalette& palette) const {
    auto known = std::find(palettes_.begin(), palettes_.end(), palette);
    if (known != palettes_.end()) return *known;
    if (palettes_.size() == kMostPalettes) palettes_.erase(palettes_.begin());
    palettes_.push_back(palette);
    return palettes_.back();
  }

  mutable std::vector<QPalette> palettes_;
};

}  // namespace

void ShareEqualPalettes() { QApplication::setStyle(new SharedPaletteStyle(QApplication::style())); }

}  // namespace fw::internal
