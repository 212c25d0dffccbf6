// A transparent label.
#include "framework/static_text.h"

#include <QLabel>
#include "framework/control_widget_qt.h"

namespace fw {

StaticText::StaticText() {
  auto* label = new QLabel;
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

static QLabel* LabelOf(const StaticText& t) { return static_cast<QLabel*>(t._View()->widget()); }

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
  QPalette pal = LabelOf(*this)->palette();
  pal.setColor(QPalette::Active, QPalette::WindowText, ToQColor(textColor_));
  pal.setColor(QPalette::Inactive, QPalette::WindowText, ToQColor(textColor_));
  LabelOf(*this)->setPalette(pal);
}

void StaticText::SetMultiLine(bool v) {
  multiLine_ = v;
  LabelOf(*this)->setWordWrap(v);
  ApplyText();
}

}  // namespace fw
