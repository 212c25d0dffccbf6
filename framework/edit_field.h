#pragma once
// A text field: one line (MultiLine false) or several.
//
// What the program relies on:
// - Setting Text from code raises TextChange at once, inside the setter, also when the
//   field is disabled (every set raises it, even with an unchanged text). Typing and
//   pasting raise it after each change.
// - Text has CR (13) between lines; LF and CRLF are taken as CR on set. Otherwise the
//   text reads back exactly as it was set, typed or pasted (no-break spaces, tabs,
//   accents as separate marks), whatever the length of its lines.
// - Pasted rich text arrives as plain text. TextSize and TextColor apply to the whole
//   text, whether set before or after Text. TextSize 0 is the default size.
// - KeyDown(key) runs before the key is applied; returning false lets it go in. Return
//   and Enter arrive as Chr(13); with Ctrl held a letter arrives as itself ("a", or "A"
//   with Shift); a modifier pressed alone raises nothing. Keys without a character
//   arrive as the classic codes: Backspace 8, Tab 9, Escape 27, arrows 28 to 31
//   (left, right, up, down), Delete 127, Home 1, End 4, Page Up 11, Page Down 12.
//   Each key press raises it once; a character made with a dead key, the compose key
//   or an input method raises it once, with the text it puts in. A key a one-line
//   field has no use for (Return, Escape) then goes on to the window, where it may
//   press a default or cancel button.
// - A disabled field is greyed, background and text.
// - A multi-line read-only field without ScrollBarVertical shows a vertical scroll bar
//   when its text does not fit.
// - LostFocus: focus went to another control (not to the field's own contextual menu,
//   not a window deactivation).
// - MouseDown(x, y): false lets the field handle the click. The field shows no
//   contextual menu of its own; IsContextualClick() tells a right click. The menu key
//   raises it as such a click, at the caret.
// - SelStart and SelLength count characters (code points) from 0.
#include "framework/control.h"
#include "framework/graphics.h"

namespace fw {

class EditFieldView;

class EditField : public TextStyledControl {
 public:
  EditField();
  ~EditField() override;
  String ClassName() const override { return "EditField"; }

  const String& Text() const;  // valid until the text changes
  void SetText(const String& t);
  String SelText() const;
  void SetSelText(const String& t);  // replaces the selection (raises TextChange)
  int32_t SelStart() const;
  void SetSelStart(int32_t s);
  int32_t SelLength() const;
  void SetSelLength(int32_t n);

  Color TextColor() const { return textColor_; }
  void SetTextColor(Color c);
  Color BackColor() const { return backColor_; }
  void SetBackColor(Color c);
  bool Border() const { return border_; }
  void SetBorder(bool v);
  bool MultiLine() const { return multiLine_; }
  void SetMultiLine(bool v);
  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool v);
  bool Password() const { return password_; }
  void SetPassword(bool v);
  bool Styled() const { return styled_; }  // kept; the text is always plain
  void SetStyled(bool v) { styled_ = v; }
  bool AcceptTabs() const { return acceptTabs_; }
  void SetAcceptTabs(bool v);
  bool ScrollBarHorizontal() const { return scrollH_; }
  void SetScrollBarHorizontal(bool v);
  bool ScrollBarVertical() const { return scrollV_; }
  void SetScrollBarVertical(bool v);
  // Most characters the user can type or paste in; 0 = no limit. Code may set more.
  int32_t LimitText() const { return limitText_; }
  void SetLimitText(int32_t n);
  bool UseFocusRing() const { return useFocusRing_; }
  void SetUseFocusRing(bool v) { useFocusRing_ = v; }
  int32_t Alignment() const { return alignment_; }  // 0/1 left, 2 centre, 3 right
  void SetAlignment(int32_t a);
  String DataSource() const { return dataSource_; }
  void SetDataSource(const String& s) { dataSource_ = s; }
  String DataField() const { return dataField_; }
  void SetDataField(const String& s) { dataField_ = s; }
  String Format() const { return format_; }
  void SetFormat(const String& s) { format_ = s; }
  String Mask() const { return mask_; }
  void SetMask(const String& s) { mask_ = s; }

  std::optional<EventKind> EventKindOf(const String& eventName) const override;

  // Framework-internal.
  EditFieldView* _EditView() const;
  void _ApplyingProperties(bool started) override;

 protected:
  void ApplyFont() override;

 private:
  void ApplyLook();
  void LookChanged();  // now, or once at the end of the property blob being applied
  bool lookPending_ = false;
  Color textColor_, backColor_ = {255, 255, 255};
  bool border_ = true, multiLine_ = false, readOnly_ = false, password_ = false;
  bool styled_ = false, acceptTabs_ = false, scrollH_ = false, scrollV_ = false;
  int32_t limitText_ = 0;
  bool useFocusRing_ = true;
  int32_t alignment_ = 0;
  String dataSource_, dataField_, format_, mask_;
};

}  // namespace fw
