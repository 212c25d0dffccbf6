#pragma once
// Push, bevel, radio and check buttons.
//
// Action comes from the user's click. Setting a BevelButton's or a RadioButton's Value
// from code raises nothing; setting a CheckBox's Value from code does raise Action
// (windows rely on that to run the box's logic when they fill it). A click on a push or
// bevel button leaves the keyboard focus where it was.
#include "framework/control.h"
#include "framework/graphics.h"

namespace fw {

class PushButton : public TextStyledControl {
 public:
  PushButton();
  String ClassName() const override { return "PushButton"; }

  String Caption() const { return caption_; }
  void SetCaption(const String& c);
  bool Default() const { return default_; }  // Return presses it
  void SetDefault(bool v);
  bool Cancel() const { return cancel_; }  // Escape presses it
  void SetCancel(bool v) { cancel_ = v; }
  void Push();  // as if clicked: raises Action

  std::optional<EventKind> EventKindOf(const String& eventName) const override;

 private:
  String caption_;
  bool default_ = false, cancel_ = false;
};

// A bevelled button with an icon and a caption.
// ButtonType: 0 an ordinary button, 1 a toggle (each click flips Value), 2 sticky (a
// click presses it and it stays pressed; a click on a pressed one still raises Action;
// only code releases it).
// CaptionAlign: 0 left, 1 right, 2 the system's (left), 3 centred.
// CaptionPlacement: 0 or 1 beside the icon, 2 to its left, 3 below, 4 above.
// IconAlign: 0 or 1 centred, 2 left, 3 right.
// Bevel: 0 small, 1 normal, 2 large, 3 rounded (how deep the bevel is drawn).
class BevelButton : public TextStyledControl {
 public:
  BevelButton();
  String ClassName() const override { return "BevelButton"; }

  String Caption() const { return caption_; }
  void SetCaption(const String& c);
  int32_t CaptionAlign() const { return captionAlign_; }
  void SetCaptionAlign(int32_t v);
  int32_t CaptionPlacement() const { return captionPlacement_; }
  void SetCaptionPlacement(int32_t v);
  int32_t CaptionDelta() const { return captionDelta_; }
  void SetCaptionDelta(int32_t v);
  Picture Icon() const { return icon_; }
  void SetIcon(Picture p);
  int32_t IconAlign() const { return iconAlign_; }
  void SetIconAlign(int32_t v);
  int32_t IconDX() const { return iconDX_; }
  void SetIconDX(int32_t v);
  int32_t IconDY() const { return iconDY_; }
  void SetIconDY(int32_t v);
  int32_t Bevel() const { return bevel_; }
  void SetBevel(int32_t v);
  int32_t HasMenu() const { return hasMenu_; }  // kept; no pop-up menu is shown
  void SetHasMenu(int32_t v) { hasMenu_ = v; }
  bool Value() const { return value_; }  // pressed; setting it raises nothing
  void SetValue(bool v);
  int32_t MenuValue() const { return menuValue_; }
  void SetMenuValue(int32_t v) { menuValue_ = v; }
  int32_t ButtonType() const { return buttonType_; }
  void SetButtonType(int32_t v);
  bool AcceptFocus() const { return acceptFocus_; }
  void SetAcceptFocus(bool v);

  std::optional<EventKind> EventKindOf(const String& eventName) const override;

  // Framework-internal: the user clicked (applies the button type, then raises Action).
  void _Clicked();

 private:
  String caption_;
  int32_t captionAlign_ = 3, captionPlacement_ = 1, captionDelta_ = 0;
  Picture icon_;
  int32_t iconAlign_ = 2, iconDX_ = 0, iconDY_ = 0, bevel_ = 0, hasMenu_ = 0;
  bool value_ = false;
  int32_t menuValue_ = 0, buttonType_ = 0;
  bool acceptFocus_ = false;
};

// Radio buttons of one window that share an InitialParent form one exclusive group:
// selecting one (by click or by code) clears the others. A click on the selected one
// keeps it selected and still raises Action.
class RadioButton : public TextStyledControl {
 public:
  RadioButton();
  String ClassName() const override { return "RadioButton"; }

  String Caption() const { return caption_; }
  void SetCaption(const String& c);
  bool Value() const { return value_; }
  void SetValue(bool v);  // raises nothing

  std::optional<EventKind> EventKindOf(const String& eventName) const override;

  // Framework-internal: the user clicked.
  void _Clicked();

 private:
  void ClearOthersInGroup();
  String caption_;
  bool value_ = false;
};

class CheckBox : public TextStyledControl {
 public:
  CheckBox();
  String ClassName() const override { return "CheckBox"; }

  String Caption() const { return caption_; }
  void SetCaption(const String& c);
  bool Value() const { return value_; }
  void SetValue(bool v);  // raises Action when the value changes

  std::optional<EventKind> EventKindOf(const String& eventName) const override;

  // Framework-internal: the user toggled it.
  void _Toggled(bool v);

 private:
  String caption_;
  bool value_ = false;
};

}  // namespace fw
