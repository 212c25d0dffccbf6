#pragma once
// The base classes of every control: Control (name, index, tab panel, event bindings)
// and RectControl (a control that occupies a rectangle of its window).
//
// A control can be created and given properties before it belongs to a window; it
// appears when the window adds it (Window::AddMember). Positions are window pixels of
// the content area. Controls added later are drawn in front of earlier ones and the
// frontmost control under the mouse takes the click.
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include "framework/events.h"
#include "framework/object.h"

namespace fw {

class Window;
class ControlView;  // the on-screen side; framework-internal

class Control : public Object {
 public:
  ~Control() override;
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  int32_t TabPanelIndex() const { return tabPanelIndex_; }
  void SetTabPanelIndex(int32_t i) { tabPanelIndex_ = i; }
  // The window that holds the control; none before it is added.
  fw::Window* Window() const { return window_; }

  // The events of this class by name, with the handler form each takes; none when the
  // class has no event of that name.
  virtual std::optional<EventKind> EventKindOf(const String& eventName) const;
  // Binds (or rebinds) a handler; throws EventBindingError for an unknown event or a
  // handler of the wrong form. Windows call this through _InstallInstanceEventHandler.
  void _BindEvent(const String& eventName, EventHandler handler);
  bool IsEventBound(const String& eventName) const;

  // Raising events (framework-internal; tests may call them too). Each runs the bound
  // handler through fw::Guarded; unbound or failing handlers answer false.
  void _RaiseAction(const String& eventName);
  bool _RaiseMouse(const String& eventName, int32_t x, int32_t y);
  bool _RaiseKey(const String& eventName, const String& key);
  bool _RaiseColumn(const String& eventName, int32_t column);
  bool _RaiseCell(const String& eventName, int32_t row, int32_t column, int32_t x, int32_t y);
  void _RaiseItem(const String& eventName, const String& item);

  // Framework-internal: called by Window::AddMember.
  virtual void _AttachToWindow(fw::Window* window);
  // Framework-internal: from now on nothing is raised (the window is being destroyed,
  // and focus moving among dying widgets must not reach the program's handlers).
  void _Silence() { silenced_ = true; }

 protected:
  Control();

 private:
  template <class H, class... A>
  bool Raise(const String& eventName, bool fallback, A&&... args);

  int32_t tabPanelIndex_ = 0;
  fw::Window* window_ = nullptr;
  bool silenced_ = false;
  std::map<String, EventHandler> handlers_;
};

class RectControl : public Control {
 public:
  ~RectControl() override;

  // Geometry in window pixels (Line derives it from its end points).
  virtual int32_t Left() const { return left_; }
  virtual void SetLeft(int32_t v);
  virtual int32_t Top() const { return top_; }
  virtual void SetTop(int32_t v);
  virtual int32_t Width() const { return width_; }
  virtual void SetWidth(int32_t v);
  virtual int32_t Height() const { return height_; }
  virtual void SetHeight(int32_t v);

  bool Visible() const { return visible_; }
  void SetVisible(bool v);
  bool Enabled() const { return enabled_; }
  virtual void SetEnabled(bool v);
  String HelpTag() const { return helpTag_; }
  void SetHelpTag(const String& t);
  // Accepted and kept; they have no effect on this toolkit (the windows here are not
  // resized by the user in ways that move controls).
  bool AutoDeactivate() const { return autoDeactivate_; }
  void SetAutoDeactivate(bool v) { autoDeactivate_ = v; }
  bool LockLeft() const { return lockLeft_; }
  void SetLockLeft(bool v) { lockLeft_ = v; }
  bool LockTop() const { return lockTop_; }
  void SetLockTop(bool v) { lockTop_ = v; }
  bool LockRight() const { return lockRight_; }
  void SetLockRight(bool v) { lockRight_ = v; }
  bool LockBottom() const { return lockBottom_; }
  void SetLockBottom(bool v) { lockBottom_ = v; }
  // The name of the control that encloses this one in the design ("" = the window).
  // Coordinates stay window coordinates; this is design information.
  String InitialParent() const { return initialParent_; }
  void SetInitialParent(const String& n) { initialParent_ = n; }
  // Whether the control's window is the active one.
  bool Active() const;

  void SetFocus();
  bool HasFocus() const;
  void Refresh();  // repaint now-ish
  void RefreshNow();  // repainted before it returns, even inside a loop that yields

  std::optional<EventKind> EventKindOf(const String& eventName) const override;
  void _AttachToWindow(fw::Window* window) override;

  // Framework-internal: the on-screen side.
  ControlView* _View() const { return view_.get(); }

 protected:
  RectControl();
  // Each concrete control creates its view in its constructor.
  void SetView(std::unique_ptr<ControlView> view);
  // Re-applies geometry to the view (after a geometry change).
  virtual void SyncGeometry();

 private:
  int32_t left_ = 0, top_ = 0, width_ = 80, height_ = 22;
  bool visible_ = true, enabled_ = true;
  String helpTag_;
  bool autoDeactivate_ = true;
  bool lockLeft_ = false, lockTop_ = false, lockRight_ = false, lockBottom_ = false;
  String initialParent_;
  std::unique_ptr<ControlView> view_;
};

}  // namespace fw

namespace fw {

// A rectangle control that shows text in one font: the font properties every text
// control shares. TextSize is in the designs' points, which were screen pixels; 0 is
// the default size. "Times" and "Arial" resolve through the system's font substitution.
class TextStyledControl : public RectControl {
 public:
  String TextFont() const { return textFont_; }
  void SetTextFont(const String& f);
  int32_t TextSize() const { return textSize_; }
  void SetTextSize(int32_t points);
  bool Bold() const { return bold_; }
  void SetBold(bool v);
  bool Italic() const { return italic_; }
  void SetItalic(bool v);
  bool Underline() const { return underline_; }
  void SetUnderline(bool v);

  void _ApplyingProperties(bool started) override;

 protected:
  TextStyledControl() = default;
  // Pushes the font to the view; controls with inner widgets extend it.
  virtual void ApplyFont();
  // A font property changed: the font is pushed now, or once at the end of the
  // property blob being applied.
  void FontChanged();
  bool ApplyingBlob() const { return applyingBlob_; }

 private:
  String textFont_ = "System";
  int32_t textSize_ = 0;
  bool bold_ = false, italic_ = false, underline_ = false;
  bool applyingBlob_ = false, fontPending_ = false;
};

}  // namespace fw
