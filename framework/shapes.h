#pragma once
// Shapes: Rectangle, Oval and Line. Oval and Line are transparent outside their shape.
#include "framework/control.h"
#include "framework/graphics.h"

namespace fw {

// A filled rectangle with a bevelled border BorderWidth thick (0 = none): top and left
// in TopLeftColor, bottom and right in BottomRightColor.
class Rectangle : public RectControl {
 public:
  Rectangle();
  String ClassName() const override { return "Rectangle"; }

  Color FillColor() const { return fill_; }
  void SetFillColor(Color c);
  int32_t BorderWidth() const { return borderWidth_; }
  void SetBorderWidth(int32_t w);
  Color TopLeftColor() const { return topLeft_; }
  void SetTopLeftColor(Color c);
  Color BottomRightColor() const { return bottomRight_; }
  void SetBottomRightColor(Color c);

 private:
  Color fill_ = {255, 255, 255};
  int32_t borderWidth_ = 1;
  Color topLeft_, bottomRight_;
};

// A filled ellipse inside its rectangle, with a border BorderWidth thick (0 = none).
class Oval : public RectControl {
 public:
  Oval();
  String ClassName() const override { return "Oval"; }

  Color FillColor() const { return fill_; }
  void SetFillColor(Color c);
  int32_t BorderWidth() const { return borderWidth_; }
  void SetBorderWidth(int32_t w);
  Color BorderColor() const { return border_; }
  void SetBorderColor(Color c);

 private:
  Color fill_ = {255, 255, 255};
  int32_t borderWidth_ = 1;
  Color border_;
};

// A line between (X1, Y1) and (X2, Y2) in window coordinates. Its Left, Top, Width and
// Height follow from the end points; setting Left or Top moves both ends, setting
// Width or Height moves the second end.
class Line : public RectControl {
 public:
  Line();
  String ClassName() const override { return "Line"; }

  int32_t Left() const override;
  void SetLeft(int32_t v) override;
  int32_t Top() const override;
  void SetTop(int32_t v) override;
  int32_t Width() const override;
  void SetWidth(int32_t v) override;
  int32_t Height() const override;
  void SetHeight(int32_t v) override;

  int32_t X1() const { return x1_; }
  void SetX1(int32_t v);
  int32_t Y1() const { return y1_; }
  void SetY1(int32_t v);
  int32_t X2() const { return x2_; }
  void SetX2(int32_t v);
  int32_t Y2() const { return y2_; }
  void SetY2(int32_t v);
  int32_t BorderWidth() const { return borderWidth_; }  // thickness
  void SetBorderWidth(int32_t w);
  Color LineColor() const { return lineColor_; }
  void SetLineColor(Color c);

 protected:
  void SyncGeometry() override;

 private:
  int32_t x1_ = 0, y1_ = 0, x2_ = 0, y2_ = 0, borderWidth_ = 1;
  Color lineColor_;
};

}  // namespace fw
