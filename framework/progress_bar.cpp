#include "framework/progress_bar.h"

#include <QProgressBar>
#include "framework/control_widget_qt.h"

namespace fw {

ProgressBar::ProgressBar() {
  auto* bar = new QProgressBar;
  bar->setTextVisible(false);
  SetView(std::make_unique<ControlView>(*this, bar));
  Apply();
}

void ProgressBar::SetValue(int32_t v) { value_ = v; Apply(); }
void ProgressBar::SetMaximum(int32_t m) { maximum_ = m; Apply(); }

void ProgressBar::Apply() {
  auto* bar = static_cast<QProgressBar*>(_View()->widget());
  bar->setRange(0, std::max(0, maximum_));
  bar->setValue(std::clamp(value_, 0, std::max(0, maximum_)));
}

}  // namespace fw
