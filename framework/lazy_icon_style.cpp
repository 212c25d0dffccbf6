// Every menu bar asks the style for the icon of its overflow button when it is made,
// and the style reads it from an image file. Reading any image file by name makes the
// toolkit load every image-format plugin it has, to ask each whether it reads the
// format: at start-up that is five libraries and about a fortieth of the work, for a
// button shown only when the menus do not fit. The style here is the
// desktop's own style unchanged, except that the overflow buttons' icons are read the
// first time something draws or measures them.
#include <QApplication>
#include <QIcon>
#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleOption>
#include <QWidget>
#include <optional>

#include "framework/lazy_icon_style_qt.h"

namespace fw::internal {

namespace {

class LazyStandardIcon : public QIconEngine {
 public:
  LazyStandardIcon(QStyle* style, QStyle::StandardPixmap which, const QStyleOption* option, const QWidget* widget)
      : style_(style), which_(which), widget_(const_cast<QWidget*>(widget)) {
    if (option) option_ = *option;
  }

  // The icon hands its engine sizes already multiplied by the screen's pixel ratio,
  // and the real icon's own calls would multiply them once more (a chevron drawn too
  // large and cut off on a high-density screen): each size goes on to the real icon's
  // engine as it came, with a ratio of 1 or brought back to the toolkit's units. The
  // box to paint is already fitted to the icon; the real icon's paint would fit it again.
  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
    const qreal ratio = painter->device() ? painter->device()->devicePixelRatio() : qApp->devicePixelRatio();
    painter->drawPixmap(rect, scaledPixmap(rect.size() * ratio, mode, state, ratio));
  }
  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return Icon().pixmap(size, 1.0, mode, state);
  }
  QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override {
    if (!(scale > 1)) return pixmap(size, mode, state);
    return Icon().pixmap(size / scale, scale, mode, state);
  }
  QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return pixmap(size, mode, state).size();
  }
  QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
    return Icon().availableSizes(mode, state);
  }
  QIconEngine* clone() const override { return new LazyStandardIcon(*this); }
  QString key() const override { return QStringLiteral("LazyStandardIcon"); }

 private:
  const QIcon& Icon() {
    if (!icon_) icon_ = style_ ? style_->standardIcon(which_, option_ ? &*option_ : nullptr, widget_) : QIcon();
    return *icon_;
  }

  QPointer<QStyle> style_;  // the desktop's style, which the application owns
  QStyle::StandardPixmap which_;
  std::optional<QStyleOption> option_;
  QPointer<QWidget> widget_;
  std::optional<QIcon> icon_;
};

class LazyIconStyle : public QProxyStyle {
 public:
  QIcon standardIcon(StandardPixmap which, const QStyleOption* option, const QWidget* widget) const override {
    if (which != SP_ToolBarHorizontalExtensionButton && which != SP_ToolBarVerticalExtensionButton)
      return QProxyStyle::standardIcon(which, option, widget);
    return QIcon(new LazyStandardIcon(baseStyle(), which, option, widget));
  }
};

}  // namespace

void UseLazyStandardIcons() { QApplication::setStyle(new LazyIconStyle); }

}  // namespace fw::internal
