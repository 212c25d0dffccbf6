#pragma once
// A drawing surface. It keeps what was drawn on it in a backing picture of its own size
// and repaints from it; the Backdrop picture lies beneath the drawing. Where neither
// covers it the canvas is transparent (EraseBackground is kept but the window's
// background is never painted over controls that lie behind it).
#include "framework/control.h"
#include "framework/graphics.h"

namespace fw {

class Canvas : public RectControl {
 public:
  Canvas();
  ~Canvas() override;
  String ClassName() const override { return "Canvas"; }

  // Drawing into the canvas: the backing picture's graphics. The canvas shows the
  // drawing at the next repaint (Refresh asks for one; drawing also schedules one).
  fw::Graphics& Graphics();
  Picture BackingPicture() const;
  Picture Backdrop() const { return backdrop_; }
  void SetBackdrop(Picture p);

  bool AcceptFocus() const { return acceptFocus_; }
  void SetAcceptFocus(bool v);
  bool AcceptTabs() const { return acceptTabs_; }
  void SetAcceptTabs(bool v) { acceptTabs_ = v; }
  bool UseFocusRing() const { return useFocusRing_; }
  void SetUseFocusRing(bool v) { useFocusRing_ = v; }
  bool EraseBackground() const { return eraseBackground_; }
  void SetEraseBackground(bool v) { eraseBackground_ = v; }

 protected:
  void SyncGeometry() override;

 private:
  // The backing picture, made at the canvas's size on first use.
  Picture& Backing() const;
  Picture backdrop_;
  mutable Picture backing_;
  bool acceptFocus_ = false, acceptTabs_ = false, useFocusRing_ = true, eraseBackground_ = true;
};

}  // namespace fw
