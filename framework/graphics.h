#pragma once
// Colours, pictures and drawing. A Picture is a shared handle (copies refer to the
// same image, as objects do in the program's vocabulary); a null Picture is "none", and
// using one (its size, graphics, transparency) throws the framework's NilObjectException.
// Sizes and coordinates are design pixels; on a high-density screen a picture holds
// more device pixels per design pixel (see PictureRatio in graphics_qt.h), so it
// shows sharp there.
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include "framework/text.h"

namespace fw {

struct Color {
  uint8_t r = 0, g = 0, b = 0;
  bool operator==(const Color&) const = default;
};
Color RGB(int r, int g, int b);           // clamped to 0..255
Color HSV(double h, double s, double v);  // each 0..1

class Picture;

// A drawing surface: a picture's, a canvas's or a printed page's.
class Graphics {
 public:
  virtual ~Graphics() = default;
  virtual int Width() const = 0;
  virtual int Height() const = 0;

  Color ForeColor;
  int PenWidth = 1;   // a point covers PenWidth x PenHeight to the right of and below it
  int PenHeight = 1;
  String TextFont = "System";
  int TextSize = 0;   // 0: the default size
  bool Bold = false, Italic = false, Underline = false;

  virtual void DrawLine(int x1, int y1, int x2, int y2) = 0;
  virtual void DrawRect(int x, int y, int w, int h) = 0;
  virtual void FillRect(int x, int y, int w, int h) = 0;
  virtual void DrawOval(int x, int y, int w, int h) = 0;
  virtual void FillOval(int x, int y, int w, int h) = 0;
  virtual void DrawString(const String& text, int x, int y) = 0;  // y is the baseline
  virtual int StringWidth(const String& text) = 0;
  virtual int TextAscent() = 0;
  virtual int TextHeight() = 0;
  virtual void DrawPicture(const Picture& p, int x, int y) = 0;
  // Scaled: the source rectangle of p drawn into the destination rectangle.
  virtual void DrawPicture(const Picture& p, int x, int y, int destW, int destH,
                           int srcX, int srcY, int srcW, int srcH) = 0;
  virtual void ClearRect(int x, int y, int w, int h) = 0;  // back to transparent/white
};

class Picture {
 public:
  Picture() = default;  // none
  bool IsNull() const { return !impl_; }
  explicit operator bool() const { return !IsNull(); }
  int Width() const;
  int Height() const;
  int Depth() const;
  // Transparency 1: white pixels are not drawn when this picture is drawn elsewhere.
  int Transparent() const;
  void SetTransparent(int mode);
  Graphics& GetGraphics();  // drawing into the picture
  // As it shows on white (a design pixel's top left device pixel); white outside.
  Color Pixel(int x, int y) const;
  bool Save(const String& pngPath) const;

  struct Impl;
  explicit Picture(std::shared_ptr<Impl> impl) : impl_(std::move(impl)) {}
  const std::shared_ptr<Impl>& impl() const { return impl_; }
  bool operator==(const Picture& o) const { return impl_ == o.impl_; }

 private:
  std::shared_ptr<Impl> impl_;
};

// A new picture, filled white (depth 32 pictures start fully transparent).
Picture NewPicture(int width, int height, int depth);
// One of the program's embedded pictures by number (168..186). A number that does not
// load gives a blank placeholder of `fallbackWidth` x `fallbackHeight`, never none.
Picture LoadPictureResource(int number, int fallbackWidth = 16, int fallbackHeight = 16);
// A picture file from disk; none when the file is not a picture or not a regular file
// (a FIFO or a device is never opened: it could block for good).
Picture OpenPictureFile(const String& path);

// The colour picker. True and the chosen colour in `color` when the user chose one.
bool SelectColor(Color& color, const String& prompt);
using ColorDialogHandler = std::function<std::optional<Color>(Color initial, const String& prompt)>;
void SetColorDialogHandlerForTesting(ColorDialogHandler handler);  // nullptr restores

}  // namespace fw
