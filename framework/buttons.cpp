// Push, bevel, radio and check buttons.
#include "framework/buttons.h"

#include <QAbstractButton>
#include <QAccessibleWidget>
#include <QCheckBox>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include "framework/control_widget_qt.h"
#include "framework/graphics_qt.h"
#include "framework/window.h"

namespace fw {

// --- PushButton ----------------------------------------------------------------------------

PushButton::PushButton() {
  auto* button = new QPushButton;
  button->setAutoDefault(false);
  // A click leaves the keyboard focus where it was, so that Space or Return typed next
  // goes on there instead of pressing the button again; Tab still reaches it.
  button->setFocusPolicy(Qt::TabFocus);
  QObject::connect(button, &QPushButton::clicked, [this] { _RaiseAction("Action"); });
  SetView(std::make_unique<ControlView>(*this, button));
  ApplyFont();
}

void PushButton::SetCaption(const String& c) {
  caption_ = c;
  static_cast<QPushButton*>(_View()->widget())->setText(CaptionText(c));
}

void PushButton::SetDefault(bool v) {
  default_ = v;
  static_cast<QPushButton*>(_View()->widget())->setDefault(v);
}

void PushButton::Push() { _RaiseAction("Action"); }

std::optional<EventKind> PushButton::EventKindOf(const String& e) const {
  if (e == "Action") return EventKind::Action;
  return RectControl::EventKindOf(e);
}

// --- BevelButton ---------------------------------------------------------------------------

namespace {
// Draws the bevel, the icon and the caption as the button's codes ask.
class BevelWidget : public QAbstractButton {
 public:
  explicit BevelWidget(BevelButton& owner) : owner_(owner) {}

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    bool pressed = owner_.Value() || isDown();
    QRect r = rect();
    QColor face = palette().color(QPalette::Button);
    if (pressed) face = face.darker(125);
    p.fillRect(r, face);
    int depth = owner_.Bevel() == 0 ? 1 : 2;
    QColor light = pressed ? face.darker(140) : face.lighter(150);
    QColor dark = pressed ? face.lighter(150) : face.darker(160);
    for (int i = 0; i < depth; ++i) {
      QRect b = r.adjusted(i, i, -i - 1, -i - 1);
      p.setPen(light);
      p.drawLine(b.topLeft(), b.topRight());
      p.drawLine(b.topLeft(), b.bottomLeft());
      p.setPen(dark);
      p.drawLine(b.bottomLeft(), b.bottomRight());
      p.drawLine(b.topRight(), b.bottomRight());
    }
    QRect inner = r.adjusted(depth + 1, depth, -depth - 1, -depth);
    QRect textArea = inner;
    if (Picture icon = owner_.Icon()) {
      const QImage img = PictureImageForDrawing(icon);
      const QSize size = DesignSize(img);
      int x = inner.left();
      switch (owner_.IconAlign()) {
        case 2: x = inner.left(); break;
        case 3: x = inner.right() - size.width() + 1; break;
        default: x = inner.left() + (inner.width() - size.width()) / 2; break;
      }
      int y = inner.top() + (inner.height() - size.height()) / 2;
      x += owner_.IconDX();
      y += owner_.IconDY();
      p.setOpacity(isEnabled() ? 1.0 : 0.5);
      DrawImageAt(p, x, y, img);
      p.setOpacity(1.0);
      switch (owner_.CaptionPlacement()) {
        case 2: textArea.setRight(x - 2); break;
        case 3: textArea.setTop(y + size.height()); break;
        case 4: textArea.setBottom(y - 1); break;
        default:
          // Beside the icon: centred captions keep the whole width unless the icon sits
          // in the middle; aligned ones start after (or end before) the icon.
          if (owner_.IconAlign() == 2 && owner_.CaptionAlign() != 3) textArea.setLeft(x + size.width() + 2);
          if (owner_.IconAlign() == 3 && owner_.CaptionAlign() != 3) textArea.setRight(x - 2);
          break;
      }
    }
    int align = owner_.CaptionAlign() == 3 ? Qt::AlignHCenter
                : owner_.CaptionAlign() == 1 ? Qt::AlignRight
                                             : Qt::AlignLeft;
    textArea.translate(owner_.CaptionAlign() == 1 ? -owner_.CaptionDelta() : owner_.CaptionDelta(), 0);
    p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    p.setFont(font());
    p.drawText(textArea, align | Qt::AlignVCenter | Qt::TextSingleLine, CRToLF(owner_.Caption()));
  }

 private:
  BevelButton& owner_;
};
}  // namespace

BevelButton::BevelButton() {
  auto* w = new BevelWidget(*this);
  w->setFocusPolicy(Qt::NoFocus);
  QObject::connect(w, &QAbstractButton::clicked, [this] { _Clicked(); });
  SetView(std::make_unique<ControlView>(*this, w));
  ApplyFont();
}

void BevelButton::SetCaption(const String& c) {
  caption_ = c;
  // The caption is painted, not the widget's text, so a screen reader learns it here.
  _View()->widget()->setAccessibleName(CRToLF(c));
  Refresh();
}
void BevelButton::SetCaptionAlign(int32_t v) { captionAlign_ = v; Refresh(); }
void BevelButton::SetCaptionPlacement(int32_t v) { captionPlacement_ = v; Refresh(); }
void BevelButton::SetCaptionDelta(int32_t v) { captionDelta_ = v; Refresh(); }
void BevelButton::SetIcon(Picture p) { icon_ = std::move(p); Refresh(); }
void BevelButton::SetIconAlign(int32_t v) { iconAlign_ = v; Refresh(); }
void BevelButton::SetIconDX(int32_t v) { iconDX_ = v; Refresh(); }
void BevelButton::SetIconDY(int32_t v) { iconDY_ = v; Refresh(); }
void BevelButton::SetBevel(int32_t v) { bevel_ = v; Refresh(); }
void BevelButton::SetValue(bool v) { value_ = v; Refresh(); }
void BevelButton::SetButtonType(int32_t v) { buttonType_ = v; Refresh(); }

void BevelButton::SetAcceptFocus(bool v) {
  acceptFocus_ = v;
  _View()->widget()->setFocusPolicy(v ? Qt::TabFocus : Qt::NoFocus);  // never from a click, as a push button
}

void BevelButton::_Clicked() {
  if (buttonType_ == 1) value_ = !value_;
  if (buttonType_ == 2) value_ = true;  // sticky: only code releases it
  Refresh();
  _RaiseAction("Action");
}

std::optional<EventKind> BevelButton::EventKindOf(const String& e) const {
  if (e == "Action") return EventKind::Action;
  return RectControl::EventKindOf(e);
}

// --- RadioButton ---------------------------------------------------------------------------

static QRadioButton* RadioOf(const RadioButton& r) {
  return static_cast<QRadioButton*>(r._View()->widget());
}

namespace {
// Qt calls a checkable button that is not auto-exclusive a check box; ours keep their group
// themselves, so a screen reader is told they are radio buttons.
class RadioAccessible : public QAccessibleWidget {
 public:
  explicit RadioAccessible(QRadioButton* r) : QAccessibleWidget(r, QAccessible::RadioButton) {}
  // A caption with no room to show (the language buttons' "a") names nothing a sighted
  // user sees: the caption printed after the button does.
  QString text(QAccessible::Text t) const override {
    if (t != QAccessible::Name || !widget()->accessibleName().isEmpty()) return QAccessibleWidget::text(t);
    const QString own = Radio()->text().replace(QLatin1String("&&"), QLatin1String("&"));
    if (CaptionShows()) return own;
    const QString after = CaptionAfter(*widget());
    return after.isEmpty() ? own : after;
  }
  QAccessible::State state() const override {
    QAccessible::State s = QAccessibleWidget::state();
    s.checkable = true;
    s.checked = Radio()->isChecked();
    return s;
  }
  QStringList actionNames() const override { return QStringList(toggleAction()) << QAccessibleWidget::actionNames(); }
  void doAction(const QString& name) override {
    if (name == toggleAction() || name == pressAction()) Radio()->click();
    else QAccessibleWidget::doAction(name);
  }

 private:
  QRadioButton* Radio() const { return static_cast<QRadioButton*>(widget()); }
  bool CaptionShows() const {
    QStyleOptionButton option;
    option.initFrom(Radio());
    option.text = Radio()->text();
    const QRect room =
        Radio()->style()->subElementRect(QStyle::SE_RadioButtonContents, &option, Radio()).intersected(Radio()->rect());
    return room.width() >= Radio()->fontMetrics().horizontalAdvance(option.text);
  }
};

QAccessibleInterface* RadioAccessibleFactory(const QString& className, QObject* o) {
  auto* r = qobject_cast<QRadioButton*>(o);
  if (className != QLatin1String("QRadioButton") || !r || r->autoExclusive()) return nullptr;
  return new RadioAccessible(r);
}
}  // namespace

RadioButton::RadioButton() {
  static const bool factoryInstalled = (QAccessible::installFactory(RadioAccessibleFactory), true);
  (void)factoryInstalled;
  auto* radio = new QRadioButton;
  // The group is kept here (by window and InitialParent), not by Qt's sibling rule.
  radio->setAutoExclusive(false);
  // As a push button: a click leaves the focus in the field the user types in.
  radio->setFocusPolicy(Qt::TabFocus);
  QObject::connect(radio, &QRadioButton::clicked, [this] { _Clicked(); });
  SetView(std::make_unique<ControlView>(*this, radio));
  ApplyFont();
}

void RadioButton::SetCaption(const String& c) {
  caption_ = c;
  RadioOf(*this)->setText(CaptionText(c));
}

void RadioButton::SetValue(bool v) {
  value_ = v;
  RadioOf(*this)->setChecked(v);
  if (v) ClearOthersInGroup();
}

void RadioButton::_Clicked() {
  SetValue(true);  // a click never clears a radio button
  _RaiseAction("Action");
}

void RadioButton::ClearOthersInGroup() {
  if (!Window()) return;
  for (size_t i = 0; i < Window()->MemberCount(); ++i) {
    auto* other = dynamic_cast<RadioButton*>(&Window()->MemberAt(i));
    if (other && other != this && other->Value() && other->InitialParent() == InitialParent()) {
      other->value_ = false;
      RadioOf(*other)->setChecked(false);
    }
  }
}

std::optional<EventKind> RadioButton::EventKindOf(const String& e) const {
  if (e == "Action") return EventKind::Action;
  return RectControl::EventKindOf(e);
}

// --- CheckBox ------------------------------------------------------------------------------

static QCheckBox* CheckOf(const CheckBox& c) { return static_cast<QCheckBox*>(c._View()->widget()); }

CheckBox::CheckBox() {
  auto* box = new QCheckBox;
  box->setFocusPolicy(Qt::TabFocus);  // as a push button
  QObject::connect(box, &QCheckBox::clicked, [this](bool on) { _Toggled(on); });
  SetView(std::make_unique<ControlView>(*this, box));
  ApplyFont();
}

void CheckBox::SetCaption(const String& c) {
  caption_ = c;
  CheckOf(*this)->setText(CaptionText(c));
}

void CheckBox::SetValue(bool v) {
  if (v == value_) return;
  value_ = v;
  CheckOf(*this)->setChecked(v);
  _RaiseAction("Action");
}

void CheckBox::_Toggled(bool v) {
  value_ = v;
  CheckOf(*this)->setChecked(v);
  _RaiseAction("Action");
}

std::optional<EventKind> CheckBox::EventKindOf(const String& e) const {
  if (e == "Action") return EventKind::Action;
  return RectControl::EventKindOf(e);
}

}  // namespace fw
