// Windows: construction order, members by name, events, and the on-screen window.
#include "framework/window.h"

#include <QAbstractButton>
#include <QAccessibleWidget>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPointer>
#include <QRadioButton>
#include <QScreen>
#include <QVBoxLayout>
#include <QTimer>
#include <QWindow>
#include <functional>
#include <optional>
#include "framework/buttons.h"
#include "framework/control.h"
#include "framework/control_widget_qt.h"
#include "framework/graphics_qt.h"
#include "framework/menu_qt.h"
#include "framework/one_monitor_qt.h"
#include "framework/screen.h"
#include "framework/take_focus_answer.h"
#include "framework/timer.h"

namespace fw {

namespace {

// The push button that answers Escape (a cancel button) or Return (the default
// button); none when the window has no such button the user could click now.
PushButton* AnsweringButton(const Window& w, bool cancel) {
  for (size_t i = 0; i < w.MemberCount(); ++i) {
    auto* b = dynamic_cast<PushButton*>(&w.MemberAt(i));
    if (b && (cancel ? b->Cancel() : b->Default()) && b->Visible() && b->Enabled()) return b;
  }
  return nullptr;
}

// The modal kinds (movable modal, modal dialog, sheet) keep the user out of the
// application's other windows while they are up; showing one does not wait.
bool IsModalFrame(int32_t frame) { return frame == 1 || frame == 2 || frame == 8; }
bool IsFloatingFrame(int32_t frame) { return frame == 3 || frame == 7; }

bool AnotherModalWindowIsUp(const QWidget* top) {
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w != top && w->isVisible() && w->windowModality() == Qt::ApplicationModal) return true;
  return false;
}

Qt::WindowModality ModalityFor(int32_t frame, const WindowView& view) {
  if (view.modalLoop || IsModalFrame(frame)) return Qt::ApplicationModal;
  // A floating window (a reminder) that comes up over a modal one must stay usable:
  // it joins the modal windows, in front of them, for as long as it is up.
  if (IsFloatingFrame(frame) && AnotherModalWindowIsUp(view.top())) return Qt::ApplicationModal;
  return Qt::NonModal;
}

// The window system takes a new modality only at a showing, so a shown window is
// shown again.
void ApplyModality(const WindowView& view, Qt::WindowModality modality) {
  QWidget* top = view.top();
  if (top->windowModality() == modality) return;
  const bool shown = top->isVisible();
  if (shown) top->hide();
  top->setWindowModality(modality);
  if (shown) top->show();
}

// The window manager forgets a window's "above" state when the window is hidden and
// shown again before it has taken in the first showing (a new window that a command
// hides and shows again at once, as the reminder and the thumbnail are). Asked again
// once the window is on screen, it keeps it.
class StayAboveOnceShown : public QObject {
 public:
  static void Arm(QWidget* top) {
    if (QWindow* window = top->windowHandle()) window->installEventFilter(new StayAboveOnceShown(window));
  }

 private:
  explicit StayAboveOnceShown(QWindow* window) : QObject(window) {}
  bool eventFilter(QObject* watched, QEvent* e) override {
    auto* window = static_cast<QWindow*>(watched);
    if (e->type() == QEvent::Expose && window->isExposed()) {
      const Qt::WindowFlags flags = window->flags();
      window->setFlags(flags & ~Qt::WindowStaysOnTopHint);
      window->setFlags(flags);
      window->removeEventFilter(this);
      deleteLater();
    }
    return false;
  }
};

// A window that comes up without taking the keyboard is also marked, until it is on
// screen, as one that takes none: some window managers (icewm, fluxbox) give every new
// window the keyboard, whatever the program asked, and the letters typed in the note
// went to the reminder. A moment after it is on screen it takes the keyboard again, so
// that a click or the window switcher reaches it. Meanwhile it hands the keyboard back
// to the window the user types in when the window manager offers it the keyboard.
class NoKeyboardUntilShown : public QObject {
 public:
  static void Arm(QWidget* top) {
    SetTakesNoKeyboard(top, true);
    if (QWindow* window = top->windowHandle()) window->installEventFilter(new NoKeyboardUntilShown(top, window));
  }

 private:
  NoKeyboardUntilShown(QWidget* top, QWindow* window)
      : QObject(window), top_(top), answer_(new internal::TakeFocusAnswer(window, QGuiApplication::focusWindow())) {}
  static constexpr int kSettling = 1000;  // ms the window manager takes to settle a new window
  static void SetTakesNoKeyboard(QWidget* top, bool none) {
    const Qt::WindowFlags flags = top->windowFlags().setFlag(Qt::WindowDoesNotAcceptFocus, none);
    top->overrideWindowFlags(flags);  // without hiding the window, as setWindowFlags would
    if (QWindow* window = top->windowHandle()) window->setFlags(flags);
  }
  bool eventFilter(QObject* watched, QEvent* e) override {
    if (e->type() == QEvent::Expose && static_cast<QWindow*>(watched)->isExposed()) {
      watched->removeEventFilter(this);
      deleteLater();
      // Not at once: fluxbox hands the keyboard to a window as it maps it, after the
      // window is on screen, and so gave it to a window that already took it again.
      if (top_) QTimer::singleShot(kSettling, top_, [top = top_, answer = answer_] {
        delete answer;
        SetTakesNoKeyboard(top, false);
      });
    }
    return false;
  }
  QPointer<QWidget> top_;
  QPointer<internal::TakeFocusAnswer> answer_;
};

// KDE's window manager hides an application's utility windows while another
// application is active: a reminder ringing as the user worked elsewhere never showed,
// nor could the thumbnail be clicked. A window above every application's tells the
// window manager it is a normal window; the toolkit still treats it as a tool window.
// The window type is read when the window is first made, so before the first showing.
void AnnounceAsNormalWindow(QWidget* top) {
  top->winId();  // the window system's window, made now if not yet
  QWindow* window = top->windowHandle();
  if (!window || window->property("_q_xcb_wm_window_type").isValid()) return;
  window->setProperty("_q_xcb_wm_window_type", 0x000001);  // "normal"
  window->setFlags(window->flags());  // which announces the window's type again
}

// Where a window's frame of this size stands centred in the screen's area for windows;
// one larger than the area keeps its top left corner (title bar and menu bar) in it.
// None when there is no screen.
std::optional<QPoint> CentredCorner(QSize frame) {
  const ScreenArea area = AvailableScreenArea();
  if (area.width <= 0 || area.height <= 0) return std::nullopt;
  return QPoint(area.left + std::max(0, (area.width - frame.width()) / 2),
                area.top + std::max(0, (area.height - frame.height()) / 2));
}

bool FitsTheArea(const QRect& frame) {
  const ScreenArea area = AvailableScreenArea();
  return QRect(area.left, area.top, area.width, area.height).contains(frame);
}

// The window manager tells a window's frame only once the window is on screen: what
// needs the frame is done again then, once, unless code or the user has moved the
// window meanwhile.
class OnceFrameKnown : public QObject {
 public:
  static void Arm(QWidget* top, std::function<void(QWidget*)> then) {
    if (QWindow* window = top->windowHandle()) window->installEventFilter(new OnceFrameKnown(top, window, std::move(then)));
  }

 private:
  OnceFrameKnown(QWidget* top, QWindow* window, std::function<void(QWidget*)> then)
      : QObject(window), top_(top), placed_(top->pos()), then_(std::move(then)) {}
  bool eventFilter(QObject* watched, QEvent* e) override {
    if (e->type() != QEvent::Expose || !static_cast<QWindow*>(watched)->isExposed()) return false;
    watched->removeEventFilter(this);
    deleteLater();
    if (top_ && top_->pos() == placed_) then_(top_);
    return false;
  }
  QPointer<QWidget> top_;
  QPoint placed_;
  std::function<void(QWidget*)> then_;
};

// A window centred before its frame was known may reach past the area's bottom by the
// title bar's height (on a 1024 x 600 screen, the main window's bottom row). Such a
// window is centred again with its frame; one that fits stays where it showed, so it
// never jumps.
void CentreAgainWithTheFrame(QWidget* top) {
  if (top->frameSize() != top->size() && !FitsTheArea(top->frameGeometry())) {
    if (auto corner = CentredCorner(top->frameSize())) top->move(*corner);
  }
}

QWidget* Step(QWidget* w, bool next) { return next ? w->nextInFocusChain() : w->previousInFocusChain(); }

bool TakesTabFocus(QWidget* w) {
  return (w->focusPolicy() & Qt::TabFocus) && !w->focusProxy() && w->isEnabled() &&
         w->isVisibleTo(w->window()) && !OutOfSight(w);
}

// The top-level window: the close box, minimising and activation.
class TopWidget : public QWidget {
 public:
  explicit TopWidget(Window& w) : window_(w) {}
  void FocusNextInSight() { MoveFocus(true); }
  // The modal kinds, and 11, the modeless dialog.
  bool IsDialog() const { return IsModalFrame(window_.Frame()) || window_.Frame() == 11; }

 protected:
  // Keys no control took: Return presses the default button and Escape the cancel
  // button, in any window (the toolkit does this only for its own dialogs). A
  // multi-line field keeps Return for its line breaks, even a read-only one. A button
  // the user has tabbed to answers Return itself, as in the desktop's own dialogs:
  // Return on a focused "Cancel" must never press the default "Delete".
  void keyPressEvent(QKeyEvent* e) override {
    const bool isReturn = e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
    const bool isEscape = e->key() == Qt::Key_Escape;
    const bool plain = e->modifiers() == Qt::NoModifier ||
                       (e->key() == Qt::Key_Enter && e->modifiers() == Qt::KeypadModifier);
    const bool multiLineFocus = qobject_cast<QPlainTextEdit*>(focusWidget()) != nullptr;
    if (plain && isReturn) {
      if (QAbstractButton* focused = FocusedPressButton()) {
        e->accept();
        focused->click();
        return;
      }
    }
    if (plain && (isEscape || (isReturn && !multiLineFocus))) {
      if (PushButton* b = AnsweringButton(window_, isEscape)) {
        e->accept();
        b->Push();
        return;
      }
    }
    QWidget::keyPressEvent(e);
  }
  // Tab and Shift+Tab. Only a button reached this way is one the user chose: a button
  // the focus came to otherwise (code, or a disabled control handing it on) leaves
  // Return to the default button.
  bool focusNextPrevChild(bool next) override {
    const bool moved = MoveFocus(next);
    tabbedTo_ = focusWidget();
    return moved;
  }
  // Passes over controls out of sight, as the toolkit passes over hidden ones; the
  // order is the toolkit's.
  bool MoveFocus(bool next) {
    QWidget* from = focusWidget();
    if (!from) return QWidget::focusNextPrevChild(next);
    for (QWidget* w = Step(from, next); w && w != from; w = Step(w, next)) {
      if (TakesTabFocus(w)) {
        w->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
        return true;
      }
    }
    if (OutOfSight(from)) from->clearFocus();
    return true;
  }
  // A push or bevel button the user has tabbed to and that still has the keyboard
  // focus; none for a tick box or a radio button, which Return does not change.
  QAbstractButton* FocusedPressButton() const {
    auto* b = qobject_cast<QAbstractButton*>(focusWidget());
    if (!b || b != tabbedTo_ || !b->isEnabled() || qobject_cast<QCheckBox*>(b) || qobject_cast<QRadioButton*>(b))
      return nullptr;
    return b;
  }
  // A window opens with the keyboard focus in its first field (or list), as on the
  // platform the program comes from, where no kind of button takes it on opening. The
  // toolkit would give it to the first control of all, often a button: what the user
  // typed then went nowhere, and a blank pressed the main window's "Previous day". A
  // focus the window's own code gave before showing stays. A window with no field keeps
  // the focus itself, so that no control has it unseen: a blank cleared the first tick
  // box of the preferences or pressed "Cancel"; Return and Escape come here as before.
  void showEvent(QShowEvent* e) override {
    QWidget::showEvent(e);
    FocusFirstField();
  }
  // Also when the window comes back to the front without a focused control: one that
  // code disabled meanwhile lost it (the note fields while Find is open). The caret
  // goes to the end of a note, where the user goes on writing; at its start, what was
  // typed went before today's note or the one Find had shown.
  void FocusFirstField() {
    if (focusWidget()) return;
    for (QWidget* w = nextInFocusChain(); w && w != this; w = w->nextInFocusChain()) {
      if ((w->focusPolicy() & Qt::ClickFocus) && !qobject_cast<QAbstractButton*>(w) && TakesTabFocus(w)) {
        auto* note = qobject_cast<QPlainTextEdit*>(w);
        if (note && !note->isReadOnly()) note->moveCursor(QTextCursor::End);
        w->setFocus(Qt::ActiveWindowFocusReason);
        return;
      }
    }
    setFocus(Qt::ActiveWindowFocusReason);
  }
  void closeEvent(QCloseEvent* e) override {
    window_._UserClose();
    if (window_.IsClosed()) e->accept(); else e->ignore();
  }
  void hideEvent(QHideEvent* e) override {
    QWidget::hideEvent(e);
    if (window_._View() && window_._View()->modalLoop) window_._View()->modalLoop->quit();
  }
  void changeEvent(QEvent* e) override {
    QWidget::changeEvent(e);
    if (e->type() == QEvent::WindowStateChange) {
      auto old = static_cast<QWindowStateChangeEvent*>(e)->oldState();
      auto now = windowState();
      if ((now & Qt::WindowMinimized) && !(old & Qt::WindowMinimized))
        window_._RaiseWindowEvent(&Window::Event_Minimize, "Minimize");
      else if ((now & Qt::WindowMaximized) && !(old & Qt::WindowMaximized))
        window_._RaiseWindowEvent(&Window::Event_Maximize, "Maximize");
      else if ((old & Qt::WindowMinimized) && !(now & Qt::WindowMinimized))
        window_._RaiseWindowEvent(&Window::Event_Restore, "Restore");
    } else if (e->type() == QEvent::ActivationChange) {
      if (isActiveWindow()) FocusFirstField();
      if (!window_.HasOpened()) return;
      if (isActiveWindow()) window_._RaiseWindowEvent(&Window::Event_Activate, "Activate");
      else window_._RaiseWindowEvent(&Window::Event_Deactivate, "Deactivate");
    }
  }

 private:
  Window& window_;
  QPointer<QWidget> tabbedTo_;  // the control the user last moved the focus to with Tab
};

// The content area: background colour, backdrop, clicks on the background.
class ContentWidget : public QWidget {
 public:
  explicit ContentWidget(Window& w) : window_(w) {}

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.fillRect(rect(), window_.HasBackColor() ? ToQColor(window_.BackColor()) : palette().color(QPalette::Window));
    if (Picture b = window_.Backdrop()) DrawImageAt(p, 0, 0, PictureImageForDrawing(b));
  }
  void mousePressEvent(QMouseEvent* e) override {
    QPoint pos = e->position().toPoint();
    bool handled = false;
    String what = DescribeObject(window_) + ".MouseDown";
    ClickContext context(e->button() == Qt::RightButton);
    Guarded(what.c_str(), [&] { handled = window_.Event_MouseDown(pos.x(), pos.y()); });
    e->setAccepted(handled);
  }
  void resizeEvent(QResizeEvent* e) override {
    QWidget::resizeEvent(e);
    BringFocusIntoSight(window());
    if (window()->isVisible()) window_._ContentResized(e->size().width(), e->size().height());
  }

 private:
  Window& window_;
};

}  // namespace

// Each enclosing widget clips what shows of it.
bool OutOfSight(const QWidget* w) {
  QRect shown = w->rect();
  for (const QWidget* c = w; !c->isWindow() && c->parentWidget(); c = c->parentWidget()) {
    shown = shown.translated(c->pos()).intersected(c->parentWidget()->rect());
    if (shown.isEmpty()) return true;
  }
  return false;
}

void BringFocusIntoSight(QWidget* top) {
  QWidget* focus = top ? top->focusWidget() : nullptr;
  if (focus && OutOfSight(focus)) {
    if (auto* t = dynamic_cast<TopWidget*>(top)) t->FocusNextInSight();
  }
}

// Qt presents a plain top-level widget as a mere pane; a screen reader wants to know a
// window, and a dialog, whose text it reads out as it opens.
class TopAccessible : public QAccessibleWidget {
 public:
  explicit TopAccessible(TopWidget* top) : QAccessibleWidget(top, QAccessible::Window) {}
  QAccessible::Role role() const override {
    return static_cast<TopWidget*>(widget())->IsDialog() ? QAccessible::Dialog : QAccessible::Window;
  }
};

QAccessibleInterface* TopAccessibleFactory(const QString&, QObject* o) {
  auto* top = dynamic_cast<TopWidget*>(o);
  return top ? new TopAccessible(top) : nullptr;
}

// --- WindowView ------------------------------------------------------------------------------

WindowView::WindowView(Window& w) : monitorChanges(MonitorChanges()) {
  static const bool factoryInstalled = (QAccessible::installFactory(TopAccessibleFactory), true);
  (void)factoryInstalled;
  top_ = new TopWidget(w);
  top_->setAttribute(Qt::WA_DeleteOnClose, false);
  layout_ = new QVBoxLayout(top_);
  layout_->setContentsMargins(0, 0, 0, 0);
  layout_->setSpacing(0);
  content_ = new ContentWidget(w);
  layout_->addWidget(content_);
}

WindowView::~WindowView() {
  if (modalLoop) modalLoop->quit();  // ShowModal returns when its window is destroyed
  delete top_.data();
}

void WindowView::SetMenuBar(QMenuBar* bar) {
  // Later, not now: a menu command may be what replaces the bar, and its menu is
  // still open while the command runs.
  if (menuBar_) {
    menuBar_->hide();
    menuBar_->deleteLater();
  }
  menuBar_ = bar;
  layout_->setMenuBar(bar);
}

int WindowView::MenuBarHeight() const {
  return menuBar_ && !menuBar_->isHidden() ? menuBar_->sizeHint().height() : 0;
}

// --- Window -----------------------------------------------------------------------------------

Window::Window() : view_(std::make_unique<WindowView>(*this)), alive_(std::make_shared<bool>(true)) {
  ApplySize();
  ApplyFlags();
}

Window::~Window() {
  for (auto& m : members_)
    if (auto* c = dynamic_cast<Control*>(m.get())) c->_Silence();
  // Controls first: their widgets live inside the window's.
  members_.clear();
  view_.reset();
}

void Window::Construct() {
  if (constructed_) return;
  constructed_ = true;
  Layout();
  CreateControls();
  AddMenuHandlers();
  if (ApplicationHasOpened()) {
    Open();
  } else {
    std::weak_ptr<bool> alive = alive_;
    CallAfterApplicationOpen([this, alive] { if (alive.lock()) Open(); });
  }
}

void Window::Open() {
  if (opened_ || closed_) return;
  opened_ = true;
  _RaiseWindowEvent(&Window::Event_Open, "Open");
  if (visible_ && !closed_) Show();
}

void Window::_RaiseWindowEvent(void (Window::*event)(), const char* name) {
  String what = DescribeObject(*this) + "." + name;
  Guarded(what.c_str(), [&] { (this->*event)(); });
}

// --- Members ---------------------------------------------------------------------------------

Object& Window::AddMember(std::unique_ptr<Object> member) {
  Object& m = *member;
  members_.push_back(std::move(member));
  if (auto* c = dynamic_cast<Control*>(&m)) c->_AttachToWindow(this);
  if (auto* p = dynamic_cast<PaneChild*>(&m)) p->_SetWindow(this);
  return m;
}

Object& Window::_AddControl(const String& name, std::unique_ptr<Object> member) {
  member->Name = name;
  return AddMember(std::move(member));
}

Object* Window::ControlByName(const String& name) const {
  for (const auto& m : members_)
    if (m->Name == name && m->Index == kNoArrayIndex) return m.get();
  return nullptr;
}

Object* Window::ControlByNameIndex(const String& name, int32_t index) const {
  for (const auto& m : members_)
    if (m->Index == index && m->Name == name) return m.get();
  return nullptr;
}

void Window::_InstallInstanceEventHandler(Object& member, const String& eventName, EventHandler handler) {
  if (auto* c = dynamic_cast<Control*>(&member)) {
    c->_BindEvent(eventName, std::move(handler));
  } else if (auto* t = dynamic_cast<Timer*>(&member)) {
    auto* action = std::get_if<ActionHandler>(&handler);
    if (eventName != "Action") throw EventBindingError::NoSuchEvent(member, "Timer", eventName);
    if (!action) throw EventBindingError::WrongForm(member, eventName, EventKind::Action);
    String what = DescribeObject(member) + ".Action";
    t->OnAction = [h = *action, &member, what] { Guarded(what.c_str(), [&] { h(member); }); };
  } else {
    throw EventBindingError::NoSuchEvent(member, member.ClassName(), eventName);
  }
  bindings_.push_back({&member, eventName});
}

// --- Properties ----------------------------------------------------------------------------------

void Window::SetVisible(bool v) {
  visible_ = v;
  if (!opened_) return;  // shown when it opens
  if (v) Show(); else Hide();
}

// The client area's corner both ways. Moving the frame instead would place a window
// differently before and after the window manager first told its frame's size, so a
// window placed from what was read would creep by a title bar.
int32_t Window::Left() const { return view_->top()->geometry().x(); }
int32_t Window::Top() const { return view_->top()->geometry().y(); }

void Window::SetLeft(int32_t v) { MoveClientArea(v, Top()); }
void Window::SetTop(int32_t v) { MoveClientArea(Left(), v); }

void Window::MoveClientArea(int32_t left, int32_t top) {
  view_->positionSet = true;
  QWidget* w = view_->top();
  w->setGeometry(QRect(QPoint(left, top), w->size()));
}

void Window::SetWidth(int32_t v) { width_ = std::max(0, v); ApplySize(); }
void Window::SetHeight(int32_t v) { height_ = std::max(0, v); ApplySize(); }
void Window::SetMinWidth(int32_t v) { minWidth_ = v; ApplySize(); }
void Window::SetMinHeight(int32_t v) { minHeight_ = v; ApplySize(); }
void Window::SetMaxWidth(int32_t v) { maxWidth_ = v; ApplySize(); }
void Window::SetMaxHeight(int32_t v) { maxHeight_ = v; ApplySize(); }
void Window::SetResizeable(bool v) { resizeable_ = v; ApplySize(); ApplyFlags(); }

void Window::_ContentResized(int32_t width, int32_t height) {
  if (!applyingSize_) {
    width_ = width;
    height_ = height;
  }
  if (opened_) {
    _RaiseWindowEvent(&Window::Event_Resizing, "Resizing");
    _RaiseWindowEvent(&Window::Event_Resized, "Resized");
  }
}

void Window::ApplySize() {
  struct Applying {
    bool& flag;
    bool was;
    explicit Applying(bool& f) : flag(f), was(f) { flag = true; }
    ~Applying() { flag = was; }
  } applying(applyingSize_);
  QWidget* content = view_->content();
  QLayout* layout = view_->top()->layout();
  if (resizeable_) {
    layout->setSizeConstraint(QLayout::SetDefaultConstraint);
    content->setMinimumSize(std::max(0, minWidth_), std::max(0, minHeight_));
    content->setMaximumSize(std::min(maxWidth_, QWIDGETSIZE_MAX), std::min(maxHeight_, QWIDGETSIZE_MAX));
    content->resize(width_, height_);
    view_->top()->resize(width_, height_ + view_->MenuBarHeight());
  } else {
    // Only code changes the size of a window the user cannot resize.
    content->setMinimumSize(0, 0);
    content->setFixedSize(width_, height_);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->activate();
  }
}

void Window::SetTitle(const String& t) {
  title_ = t;
  view_->top()->setWindowTitle(ToQ(t));
}

void Window::SetFullScreen(bool v) {
  fullScreen_ = v;
  if (opened_ && view_->top()->isVisible()) {
    if (v) view_->top()->showFullScreen(); else view_->top()->showNormal();
  }
}

void Window::SetMenuBarVisible(bool v) {
  menuBarVisible_ = v;
  if (view_->menuBar()) view_->menuBar()->setVisible(v);
  ApplySize();
}

void Window::SetCloseButton(bool v) { closeButton_ = v; ApplyFlags(); }
void Window::SetMaximizeButton(bool v) { maximizeButton_ = v; ApplyFlags(); }
void Window::SetMinimizeButton(bool v) { minimizeButton_ = v; ApplyFlags(); }
void Window::SetFrame(int32_t f) { frame_ = f; ApplyFlags(); }

void Window::ApplyFlags() {
  Qt::WindowFlags flags;
  switch (frame_) {
    case 1: case 2: case 8: flags = Qt::Dialog; break;
    case 3: flags = Qt::Tool; break;  // above the application's own windows
    case 7: flags = Qt::Tool | Qt::WindowStaysOnTopHint; break;  // above every application's
    case 4: case 5: case 6: flags = Qt::Window | Qt::FramelessWindowHint; break;
    default: flags = Qt::Window; break;
  }
  flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint;
  if (closeButton_) flags |= Qt::WindowCloseButtonHint;
  if (minimizeButton_) flags |= Qt::WindowMinimizeButtonHint;
  if (maximizeButton_ && resizeable_) flags |= Qt::WindowMaximizeButtonHint;
  QWidget* top = view_->top();
  bool shown = top->isVisible();
  top->setWindowFlags(flags);  // this hides a shown window
  top->setWindowModality(ModalityFor(frame_, *view_));
  if (shown) top->show();
}

void Window::SetBackdrop(Picture p) { backdrop_ = std::move(p); view_->content()->update(); }
void Window::SetHasBackColor(bool v) { hasBackColor_ = v; view_->content()->update(); }
void Window::SetBackColor(Color c) { backColor_ = c; view_->content()->update(); }

void Window::SetMenuBar(std::shared_ptr<MenuItem> bar) {
  menuBar_ = std::move(bar);
  view_->SetMenuBar(menuBar_ ? CreateQMenuBar(*menuBar_, view_->top()) : nullptr);
  if (view_->menuBar()) view_->menuBar()->setVisible(menuBarVisible_);
  ApplySize();
}

// --- Operations ------------------------------------------------------------------------------------

void Window::Show() {
  if (closed_) return;
  visible_ = true;
  QWidget* top = view_->top();
  bool centred = false;
  if (!view_->placed) {
    view_->placed = true;
    top->adjustSize();
    if (!view_->positionSet && (placement_ == 2 || placement_ == 3 || placement_ == 1)) {
      const QSize size = top->sizeHint().expandedTo(top->size());
      if (auto corner = CentredCorner(size + (top->frameSize() - top->size()))) {
        top->move(*corner);
        centred = true;
      }
    }
  }
  // Among several monitors, or after they changed, a window shows wholly on one.
  WatchMonitors();
  const bool keepOnOneMonitor =
      QGuiApplication::screens().size() > 1 || view_->monitorChanges != MonitorChanges();
  view_->monitorChanges = MonitorChanges();
  if (keepOnOneMonitor) KeepOnOneMonitor(top);
  ApplyModality(*view_, ModalityFor(frame_, *view_));
  // A global floating window (frame 7: a reminder coming up by itself) leaves the
  // keyboard to the window the user types in: it took the next letters and pressed its
  // OK at the next Return, ending the alarm unseen. One that joins the modal windows
  // takes it, the others being blocked; so does a floating window the user opened
  // (help), whose text the keys then scroll.
  const bool leavesTheKeyboard = frame_ == 7 && top->windowModality() == Qt::NonModal;
  top->setAttribute(Qt::WA_ShowWithoutActivating, leavesTheKeyboard);
  if (frame_ == 7) AnnounceAsNormalWindow(top);
  if (leavesTheKeyboard && !top->isVisible()) NoKeyboardUntilShown::Arm(top);
  if (fullScreen_) top->showFullScreen(); else top->show();
  if (centred) OnceFrameKnown::Arm(top, CentreAgainWithTheFrame);
  if (keepOnOneMonitor && top->frameSize() == top->size()) OnceFrameKnown::Arm(top, KeepOnOneMonitor);
  if (top->windowFlags().testFlag(Qt::WindowStaysOnTopHint)) StayAboveOnceShown::Arm(top);
  top->raise();
  if (!leavesTheKeyboard) top->activateWindow();
}

void Window::ShowModal() {
  if (closed_) return;
  if (view_->modalLoop) {  // already waited for further up
    Show();
    return;
  }
  QEventLoop loop;
  view_->modalLoop = &loop;  // from here on the window shows application-modal
  Show();
  std::weak_ptr<bool> alive = alive_;
  if (view_->top()->isVisible()) loop.exec(QEventLoop::DialogExec);
  if (!alive.lock()) return;  // a handler destroyed the window meanwhile
  view_->modalLoop = nullptr;
  // Hidden now: the next showing takes the modality of the window's kind.
  if (!view_->top()->isVisible()) view_->top()->setWindowModality(ModalityFor(frame_, *view_));
}

void Window::Hide() {
  visible_ = false;
  view_->top()->hide();
}

void Window::Close() {
  if (closed_) return;
  bool refused = false;
  String what = DescribeObject(*this) + ".CancelClose";
  Guarded(what.c_str(), [&] { refused = Event_CancelClose(); });
  if (refused) return;
  closed_ = true;
  _RaiseWindowEvent(&Window::Event_Close, "Close");
  visible_ = false;
  view_->top()->hide();
}

void Window::_UserClose() { Close(); }

void Window::Refresh(bool) {
  view_->content()->update();
}

void Window::DrawInto(Graphics& g, int32_t x, int32_t y) {
  QWidget* content = view_->content();
  content->ensurePolished();
  // At the pictures' ratio, so the snapshot is as sharp as the screen it came from.
  const int ratio = PictureRatio();
  QImage image(content->size() * ratio, QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(ratio);
  image.fill(Qt::transparent);
  content->render(&image, QPoint(), QRegion(), QWidget::DrawWindowBackground | QWidget::DrawChildren);
  g.DrawPicture(PictureFromImage(image), x, y);
}

bool Window::IsActive() const { return view_->top()->isActiveWindow(); }

}  // namespace fw
