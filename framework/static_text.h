#pragma once
// A label. Transparent: whatever lies behind it shows around its text.
#include "framework/control.h"
#include "framework/graphics.h"

namespace fw {

class StaticText : public TextStyledControl {
 public:
  StaticText();
  ~StaticText() override;
  String ClassName() const override { return "StaticText"; }

  // Line breaks are CR (13); LF and CRLF are taken as CR.
  String Text() const { return text_; }
  void SetText(const String& t);
  String Caption() const { return Text(); }  // the older name of Text
  void SetCaption(const String& t) { SetText(t); }
  int32_t TextAlign() const { return textAlign_; }  // 0 left, 1 centred, 2 right
  void SetTextAlign(int32_t a);
  // On a window that takes the desktop's colour, a text colour that could not be read on
  // the desktop's background (a dark theme's) is shown moved towards the desktop's text
  // colour; TextColor still answers the colour given.
  Color TextColor() const { return textColor_; }
  void SetTextColor(Color c);
  bool MultiLine() const { return multiLine_; }  // wraps over several lines
  void SetMultiLine(bool v);
  String DataSource() const { return dataSource_; }
  void SetDataSource(const String& s) { dataSource_ = s; }
  String DataField() const { return dataField_; }
  void SetDataField(const String& s) { dataField_ = s; }

 private:
  void ApplyText();
  void ApplyTextColor();
  String text_;
  int32_t textAlign_ = 0;
  Color textColor_;
  bool multiLine_ = false;
  String dataSource_, dataField_;
};

}  // namespace fw
