#pragma once
#include "framework/control.h"

namespace fw {

class ProgressBar : public RectControl {
 public:
  ProgressBar();
  String ClassName() const override { return "ProgressBar"; }

  int32_t Value() const { return value_; }
  void SetValue(int32_t v);
  int32_t Maximum() const { return maximum_; }  // the value of a full bar
  void SetMaximum(int32_t m);

 private:
  void Apply();
  int32_t value_ = 0, maximum_ = 100;
};

}  // namespace fw
