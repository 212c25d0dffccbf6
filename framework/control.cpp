// Control, RectControl and the text controls' shared font.
#include "framework/control.h"

#include <QWidget>
#include "framework/application.h"
#include "framework/control_widget_qt.h"
#include "framework/window.h"

namespace fw {

Control::Control() = default;
Control::~Control() = default;

std::optional<EventKind> Control::EventKindOf(const String&) const { return std::nullopt; }

void Control::_BindEvent(const String& eventName, EventHandler handler) {
  auto kind = EventKindOf(eventName);
  if (!kind) throw EventBindingError::NoSuchEvent(*this, ClassName(), eventName);
  if (static_cast<size_t>(*kind) != handler.index()) throw EventBindingError::WrongForm(*this, eventName, *kind);
  handlers_[eventName] = std::move(handler);
}

bool Control::IsEventBound(const String& eventName) const { return handlers_.count(eventName) > 0; }

void Control::_AttachToWindow(fw::Window* window) { window_ = window; }

template <class H, class... A>
bool Control::Raise(const String& eventName, bool fallback, A&&... args) {
  if (silenced_) return fallback;
  auto it = handlers_.find(eventName);
  if (it == handlers_.end()) return fallback;
  const H* h = std::get_if<H>(&it->second);
  if (!h || !*h) return fallback;
  H handler = *h;  // the handler may rebind the event while it runs
  bool result = fallback;
  String what = DescribeObject(*this) + "." + eventName;
  Guarded(what.c_str(), [&] {
    if constexpr (std::is_void_v<decltype(handler(*this, args...))>) {
      handler(*this, args...);
    } else {
      result = handler(*this, args...);
    }
  });
  return result;
}

void Control::_RaiseAction(const String& e) { Raise<ActionHandler>(e, false); }
bool Control::_RaiseMouse(const String& e, int32_t x, int32_t y) {
  return Raise<MouseHandler>(e, false, x, y);
}
bool Control::_RaiseKey(const String& e, const String& key) { return Raise<KeyHandler>(e, false, key); }
bool Control::_RaiseColumn(const String& e, int32_t c) { return Raise<ColumnHandler>(e, false, c); }
bool Control::_RaiseCell(const String& e, int32_t r, int32_t c, int32_t x, int32_t y) {
  return Raise<CellHandler>(e, false, r, c, x, y);
}
void Control::_RaiseItem(const String& e, const String& item) { Raise<ItemHandler>(e, false, item); }

// --- RectControl ---------------------------------------------------------------------

RectControl::RectControl() = default;
RectControl::~RectControl() = default;

void RectControl::SetView(std::unique_ptr<ControlView> view) {
  view_ = std::move(view);
  // Until a window adds it, the widget has no parent: it must not show as a window.
  view_->widget()->hide();
  SyncGeometry();
}

void RectControl::SyncGeometry() {
  if (!view_) return;
  view_->widget()->setGeometry(Left(), Top(), std::max(0, Width()), std::max(0, Height()));
}

void RectControl::SetLeft(int32_t v) { left_ = v; SyncGeometry(); }
void RectControl::SetTop(int32_t v) { top_ = v; SyncGeometry(); }
void RectControl::SetWidth(int32_t v) { width_ = v; SyncGeometry(); }
void RectControl::SetHeight(int32_t v) { height_ = v; SyncGeometry(); }

void RectControl::SetVisible(bool v) {
  visible_ = v;
  if (view_ && view_->widget()->parentWidget()) view_->widget()->setVisible(v);
}

void RectControl::SetEnabled(bool v) {
  enabled_ = v;
  if (view_) view_->widget()->setEnabled(v);
}

void RectControl::SetHelpTag(const String& t) {
  helpTag_ = t;
  if (view_) view_->widget()->setToolTip(ToQ(t));
}

bool RectControl::Active() const { return Window() && Window()->IsActive(); }

void RectControl::SetFocus() {
  if (view_) view_->widget()->setFocus(Qt::OtherFocusReason);
}

bool RectControl::HasFocus() const {
  return view_ && view_->widget()->hasFocus();  // follows the focus proxy
}

void RectControl::Refresh() {
  if (view_) view_->widget()->update();
}

void RectControl::RefreshNow() {
  if (view_) view_->widget()->repaint();
}

std::optional<EventKind> RectControl::EventKindOf(const String& e) const {
  if (e == "MouseDown") return EventKind::Mouse;
  if (e == "MouseEnter" || e == "MouseExit") return EventKind::Action;
  return Control::EventKindOf(e);
}

void RectControl::_AttachToWindow(fw::Window* window) {
  Control::_AttachToWindow(window);
  if (!view_ || !window || !window->_View()) return;
  QWidget* w = view_->widget();
  w->setParent(ContentWidgetOf(*window));
  SyncGeometry();
  w->raise();  // in front of every member added before it
  w->setVisible(visible_);
}

// --- TextStyledControl -----------------------------------------------------------------

// A value set again leaves the widgets alone: every new font lays the control's text
// out anew.
void TextStyledControl::SetTextFont(const String& f) { if (textFont_ != f) { textFont_ = f; FontChanged(); } }
void TextStyledControl::SetTextSize(int32_t p) { if (textSize_ != p) { textSize_ = p; FontChanged(); } }
void TextStyledControl::SetBold(bool v) { if (bold_ != v) { bold_ = v; FontChanged(); } }
void TextStyledControl::SetItalic(bool v) { if (italic_ != v) { italic_ = v; FontChanged(); } }
void TextStyledControl::SetUnderline(bool v) { if (underline_ != v) { underline_ = v; FontChanged(); } }

void TextStyledControl::FontChanged() {
  if (applyingBlob_) fontPending_ = true;
  else ApplyFont();
}

// A design gives family, size and style one after the other: the control takes the
// font they make together, once.
void TextStyledControl::_ApplyingProperties(bool started) {
  applyingBlob_ = started;
  if (started || !fontPending_) return;
  fontPending_ = false;
  ApplyFont();
}

void TextStyledControl::ApplyFont() {
  if (_View()) _View()->widget()->setFont(FontFor(textFont_, textSize_, bold_, italic_, underline_));
}

}  // namespace fw
