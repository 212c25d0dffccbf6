#pragma once
// Windows. Width and Height are the content area; the menu bar sits above it.
//
// Building a window (the order the program's windows follow):
//   1. the accessor registers the new instance, then calls Construct();
//   2. Construct runs Layout (menu bar, the window's property blob), CreateControls
//      (members added in creation order, which is also the drawing order: a later
//      member is drawn in front) and AddMenuHandlers;
//   3. then the Open event runs and, when Visible, the window shows. A window built
//      before the application has opened gets its Open after the application's.
// Members are found by name, or by name and array index, at each use.
#include <cstdint>
#include <memory>
#include <vector>
#include "framework/application.h"
#include "framework/events.h"
#include "framework/graphics.h"
#include "framework/menu.h"
#include "framework/object.h"

namespace fw {

class WindowView;  // the on-screen side; framework-internal

// One installed event binding (for tests and diagnostics).
struct EventBinding {
  Object* member;
  String eventName;
};

class Window : public Object {
 public:
  Window();
  ~Window() override;
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;
  String ClassName() const override { return "Window"; }

  // --- Construction ---------------------------------------------------------------
  void Construct();
  virtual void Layout() {}
  virtual void CreateControls() {}
  virtual void AddMenuHandlers() {}
  bool HasOpened() const { return opened_; }
  bool IsClosed() const { return closed_; }

  // --- Members --------------------------------------------------------------------
  // Adds a member (a control, a timer, a thread) under its Name; the window owns it.
  Object& AddMember(std::unique_ptr<Object> member);
  // The framework's _AddControl: sets the name, then adds.
  Object& _AddControl(const String& name, std::unique_ptr<Object> member);
  // The member of this name that is no array element; none when absent.
  Object* ControlByName(const String& name) const;
  // The element of the array `name` with this index; none when absent.
  Object* ControlByNameIndex(const String& name, int32_t index) const;
  // Typed lookups; a missing member or one of another class is a NilObjectException.
  template <class T>
  T& Member(const String& name) const { return Cast<T>(ControlByName(name)); }
  template <class T>
  T& Member(const String& name, int32_t index) const {
    return Cast<T>(ControlByNameIndex(name, index));
  }
  size_t MemberCount() const { return members_.size(); }
  Object& MemberAt(size_t position) const { return *members_.at(position); }  // from 0

  // Binds a member's event by name. Throws EventBindingError (naming the member) for an
  // event its class lacks or a handler of the wrong form. Bindings are recorded in order.
  void _InstallInstanceEventHandler(Object& member, const String& eventName, EventHandler handler);
  template <class F>
  void _InstallInstanceEventHandler(Object& member, const String& eventName, F&& f) {
    _InstallInstanceEventHandler(member, eventName, MakeEventHandler(std::forward<F>(f)));
  }
  const std::vector<EventBinding>& EventBindings() const { return bindings_; }
  // How many property blobs were applied to the window and its members.
  int BlobApplications() const { return blobApplications_; }
  void _CountBlobApplication() { ++blobApplications_; }

  // --- Properties -----------------------------------------------------------------
  bool Visible() const { return visible_; }
  void SetVisible(bool v);
  // Left and Top: the screen position of the window's client area (the menu bar's
  // top left, or the content's without one), not of a frame a window manager draws.
  int32_t Left() const;
  void SetLeft(int32_t v);
  int32_t Top() const;
  void SetTop(int32_t v);
  // Width and Height: the content area, as code set it or as the user (through the
  // window manager) resized it.
  int32_t Width() const { return width_; }
  void SetWidth(int32_t v);
  int32_t Height() const { return height_; }
  void SetHeight(int32_t v);
  // 0 default, 1 over the parent window, 2 centred on the main screen, 3 centred on
  // the parent window's screen, 4 staggered. Applies at the first showing. Windows
  // here have no parent, so 1, 2 and 3 all centre on the main screen; 0 and 4 leave
  // the place to the window manager.
  int32_t Placement() const { return placement_; }
  void SetPlacement(int32_t p) { placement_ = p; }
  String Title() const { return title_; }
  void SetTitle(const String& t);
  bool FullScreen() const { return fullScreen_; }
  void SetFullScreen(bool v);
  bool MenuBarVisible() const { return menuBarVisible_; }
  void SetMenuBarVisible(bool v);
  bool CloseButton() const { return closeButton_; }
  void SetCloseButton(bool v);
  bool Resizeable() const { return resizeable_; }
  void SetResizeable(bool v);
  bool MaximizeButton() const { return maximizeButton_; }
  void SetMaximizeButton(bool v);
  bool MinimizeButton() const { return minimizeButton_; }
  void SetMinimizeButton(bool v);
  // 0 document window; 1 movable modal, 2 modal dialog, 8 sheet (dialogs); 3 and 7
  // floating; 4, 5, 6 plain boxes; 9 document; 11 modeless dialog.
  // The modal kinds, when shown, keep the user out of the application's other windows.
  // A floating window shown while a modal one is up comes in front of it and stays
  // usable.
  int32_t Frame() const { return frame_; }
  void SetFrame(int32_t f);
  bool Composite() const { return composite_; }  // kept, no effect here
  void SetComposite(bool v) { composite_ = v; }
  bool LiveResize() const { return liveResize_; }  // kept, no effect here
  void SetLiveResize(bool v) { liveResize_ = v; }
  Picture Backdrop() const { return backdrop_; }  // drawn at the top left, unscaled
  void SetBackdrop(Picture p);
  bool HasBackColor() const { return hasBackColor_; }
  void SetHasBackColor(bool v);
  Color BackColor() const { return backColor_; }
  void SetBackColor(Color c);
  String BalloonHelp() const { return balloonHelp_; }
  void SetBalloonHelp(const String& t) { balloonHelp_ = t; }
  int32_t MinWidth() const { return minWidth_; }
  void SetMinWidth(int32_t v);
  int32_t MinHeight() const { return minHeight_; }
  void SetMinHeight(int32_t v);
  int32_t MaxWidth() const { return maxWidth_; }
  void SetMaxWidth(int32_t v);
  int32_t MaxHeight() const { return maxHeight_; }
  void SetMaxHeight(int32_t v);
  int32_t MacProcId() const { return macProcId_; }  // kept, no effect here
  void SetMacProcId(int32_t v) { macProcId_ = v; }
  // The menu bar shown above the content (shared with the application).
  std::shared_ptr<MenuItem> MenuBar() const { return menuBar_; }
  void SetMenuBar(std::shared_ptr<MenuItem> bar);

  // --- Operations -----------------------------------------------------------------
  // Returns at once, for the modal kinds too (timers and threads go on meanwhile).
  // In any window Return presses the default push button (unless a multi-line field
  // has the focus) and Escape the cancel button, when no control takes the key.
  void Show();
  // Shows the window modally and returns when it is hidden or closed. Timers keep
  // ticking meanwhile.
  void ShowModal();
  void Hide();
  // Closes the window: CancelClose may refuse; then the Close event runs once and the
  // window disappears. The close box does the same.
  void Close();
  void Refresh(bool eraseBackground = true);
  // Draws the window's content (background and controls) into g at (x, y).
  void DrawInto(Graphics& g, int32_t x, int32_t y);
  bool IsActive() const;

  // --- Events (subclasses override) ------------------------------------------------
  virtual void Event_Open() {}
  virtual bool Event_CancelClose() { return false; }
  virtual void Event_Close() {}
  virtual void Event_Minimize() {}
  virtual void Event_Maximize() {}
  virtual void Event_Restore() {}
  virtual void Event_Resizing() {}
  virtual void Event_Resized() {}
  virtual void Event_Activate() {}
  virtual void Event_Deactivate() {}
  // A click on the window's background (not on a control). True = handled.
  virtual bool Event_MouseDown(int32_t /*x*/, int32_t /*y*/) { return false; }

  // Framework-internal.
  WindowView* _View() const { return view_.get(); }
  void _UserClose();      // the close box
  void _ContentResized(int32_t width, int32_t height);  // on screen, by code or the user
  void _RaiseWindowEvent(void (Window::*event)(), const char* name);

 private:
  template <class T>
  static T& Cast(Object* o) {
    T* t = dynamic_cast<T*>(o);
    if (!t) throw NilObjectException();
    return *t;
  }
  void Open();
  void ApplyFlags();
  void ApplySize();
  void MoveClientArea(int32_t left, int32_t top);

  std::unique_ptr<WindowView> view_;
  std::vector<std::unique_ptr<Object>> members_;
  std::vector<EventBinding> bindings_;
  int blobApplications_ = 0;
  bool opened_ = false, closed_ = false, constructed_ = false;
  bool applyingSize_ = false;  // the size on screen is catching up with width_, height_

  bool visible_ = true;
  int32_t width_ = 300, height_ = 300, placement_ = 0;
  String title_;
  bool fullScreen_ = false, menuBarVisible_ = true, closeButton_ = true, resizeable_ = true;
  bool maximizeButton_ = true, minimizeButton_ = true;
  int32_t frame_ = 0;
  bool composite_ = false, liveResize_ = true;
  Picture backdrop_;
  bool hasBackColor_ = false;
  Color backColor_ = {255, 255, 255};
  String balloonHelp_;
  int32_t minWidth_ = 64, minHeight_ = 64, maxWidth_ = 32000, maxHeight_ = 32000;
  int32_t macProcId_ = 0;
  std::shared_ptr<MenuItem> menuBar_;
  std::shared_ptr<bool> alive_;  // lets a deferred Open tell the window is gone
};

// The glue that ties a non-control member (a timer, a thread) to its window and index:
// the member classes of a window derive from their framework class and from this.
class PaneChild {
 public:
  virtual ~PaneChild() = default;
  void _SetWindow(fw::Window* w) { ownerWindow_ = w; }
  fw::Window* Window() const { return ownerWindow_; }

 private:
  fw::Window* ownerWindow_ = nullptr;
};

}  // namespace fw
