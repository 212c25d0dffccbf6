// A transparent label.
#include "framework/static_text.h"

#include <QLabel>
#include <algorithm>
#include <cmath>
#include <functional>
#include "framework/control_widget_qt.h"
#include "framework/graphics_qt.h"
#include "framework/window.h"

namespace fw {

namespace {

// Colours the label again as it is drawn: what lies behind it (the desktop's palette, the
// window's colour or picture) can change at any time.
class LabelWidget : public QLabel {
 public:
  explicit LabelWidget(std::function<void()> recolour) : recolour_(std::move(recolour)) {}
  void Disarm() { recolour_ = [] {}; }  // its control is going

 protected:
  void paintEvent(QPaintEvent* e) override {
    recolour_();
    QLabel::paintEvent(e);
  }

 private:
  std::function<void()> recolour_;
};

double Luminance(const QColor& c) {
  auto linear = [](int v) {
    const double s = v / 255.0;
    return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * linear(c.red()) + 0.7152 * linear(c.green()) + 0.0722 * linear(c.blue());
}

double Contrast(const QColor& a, const QColor& b) {
  const double la = Luminance(a), lb = Luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The label's own colour, moved towards the desktop's text colour only as far as it
// takes to be read on the desktop's background: a dark blue stays bluish on a dark theme.
QColor ReadableOn(const QColor& own, const QColor& back, const QColor& desktopText) {
  constexpr double kReadable = 4.5;
  for (int step = 0; step <= 10; ++step) {
    const double t = step / 10.0;
    const QColor c(std::lround(own.red() + (desktopText.red() - own.red()) * t),
                   std::lround(own.green() + (desktopText.green() - own.green()) * t),
                   std::lround(own.blue() + (desktopText.blue() - own.blue()) * t));
    if (Contrast(c, back) >= kReadable) return c;
  }
  return desktopText;
}

}  // namespace

StaticText::StaticText() {
  auto* label = new LabelWidget([this] { ApplyTextColor(); });
  label->setTextFormat(Qt::PlainText);
  label->setAutoFillBackground(false);
  label->setAttribute(Qt::WA_TranslucentBackground);
  auto view = std::make_unique<ControlView>(*this, label);
  view->SetSwallowsClicks(true);
  SetView(std::move(view));
  ApplyFont();
  SetTextAlign(0);
  ApplyTextColor();
}

static LabelWidget* LabelOf(const StaticText& t) {
  return static_cast<LabelWidget*>(t._View()->widget());
}

StaticText::~StaticText() { LabelOf(*this)->Disarm(); }

// The design's colours were chosen for a light window. A label straight on a window that
// takes the desktop's colour (no colour or picture of its own) may sit on a dark theme's
// background instead, where a dark text could not be read.
static QColor ShownTextColor(const StaticText& t) {
  const QColor own = ToQColor(t.TextColor());
  const fw::Window* w = t.Window();
  const QWidget* behind = LabelOf(t)->parentWidget();
  if (!w || !behind || w->HasBackColor() || w->Backdrop() || !t.InitialParent().empty()) return own;
  const QPalette& pal = behind->palette();
  return ReadableOn(own, pal.color(QPalette::Window), pal.color(QPalette::WindowText));
}

void StaticText::SetText(const String& t) {
  text_ = AsShown(t);
  ApplyText();
}

void StaticText::ApplyText() {
  QString shown = CRToLF(text_);
  // A single-line label shows its lines side by side, as one line.
  if (!multiLine_) shown.replace(QLatin1Char('\n'), QLatin1Char(' '));
  LabelOf(*this)->setText(shown);
}

void StaticText::SetTextAlign(int32_t a) {
  textAlign_ = a;
  Qt::Alignment h = a == 1 ? Qt::AlignHCenter : a == 2 ? Qt::AlignRight : Qt::AlignLeft;
  LabelOf(*this)->setAlignment(h | Qt::AlignTop);
}

void StaticText::SetTextColor(Color c) {
  if (textColor_ == c) return;
  textColor_ = c;
  ApplyTextColor();
}

void StaticText::ApplyTextColor() {
  QLabel* label = LabelOf(*this);
  const QColor shown = ShownTextColor(*this);
  QPalette pal = label->palette();
  if (pal.color(QPalette::Active, QPalette::WindowText) == shown &&
      pal.color(QPalette::Inactive, QPalette::WindowText) == shown)
    return;
  pal.setColor(QPalette::Active, QPalette::WindowText, shown);
  pal.setColor(QPalette::Inactive, QPalette::WindowText, shown);
  label->setPalette(pal);
}

void StaticText::SetMultiLine(bool v) {
  multiLine_ = v;
  LabelOf(*this)->setWordWrap(v);
  ApplyText();
}

}  // namespace fw
