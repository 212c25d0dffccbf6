#pragma once
// Qt side of windows and controls, for framework sources (and tests) only.
#include <QEvent>
#include <QEventLoop>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <optional>
#include <vector>
#include "framework/control.h"
#include "framework/graphics_qt.h"
#include "framework/text_qt.h"

class QMenuBar;
class QVBoxLayout;
class QMouseEvent;
class QPlainTextEdit;
class QLineEdit;
class QTableView;

namespace fw {

class Window;
class EditField;
class Listbox;

// A caption as a button or menu row shows it: its line breaks LF, and '&' a plain
// character (the program's captions carry no mnemonics).
QString CaptionText(const String& s);

// The on-screen side of a RectControl: its widget, and the translation of the widget's
// input into the control's events. The widget is deleted with the view.
class ControlView : public QObject {
 public:
  ControlView(RectControl& owner, QWidget* widget);
  ~ControlView() override;

  RectControl& owner() const { return owner_; }
  QWidget* widget() const { return widget_; }
  // Input arriving at this inner widget counts as input to the control.
  void Watch(QWidget* inner);
  // A click that MouseDown leaves unhandled goes no further (labels, shapes, canvases):
  // the frontmost control under the mouse takes the click.
  void SetSwallowsClicks(bool on) { swallowsClicks_ = on; }

  bool eventFilter(QObject* watched, QEvent* event) override;

 protected:
  // Further input handling of a control class; true consumes the event.
  virtual bool HandleEvent(QWidget* from, QEvent* event);
  virtual bool HandleMousePress(QWidget* from, QMouseEvent* event);

 private:
  // The last press raised as MouseDown. A press that an inner widget leaves unaccepted
  // travels on to its parent, which is watched too; that copy is the same click.
  struct Press {
    QPointer<QWidget> from;
    unsigned long long timestamp = 0;
    QEvent::Type type = QEvent::None;
    Qt::MouseButton button = Qt::NoButton;
    QPointF global;
  };
  bool IsPropagatedCopy(QWidget* from, const QMouseEvent& e) const;

  RectControl& owner_;
  QPointer<QWidget> widget_;
  std::vector<QPointer<QWidget>> watched_;
  bool swallowsClicks_ = false;
  Press lastPress_;
};

// A widget painted by a function (shapes, canvases).
class PaintedWidget : public QWidget {
 public:
  explicit PaintedWidget(std::function<void(QPainter&, QWidget&)> paint);
  void paintEvent(QPaintEvent*) override;

 private:
  std::function<void(QPainter&, QWidget&)> paint_;
};

// The on-screen side of a Window: a top-level widget with the menu bar above the
// content area that holds the controls.
class WindowView {
 public:
  explicit WindowView(Window& w);
  ~WindowView();
  QWidget* top() const { return top_; }
  QWidget* content() const { return content_; }
  QMenuBar* menuBar() const { return menuBar_; }
  void SetMenuBar(QMenuBar* bar);
  int MenuBarHeight() const;
  QEventLoop* modalLoop = nullptr;
  bool placed = false;
  bool positionSet = false;
  int monitorChanges;  // as many as there had been when the window last showed

 private:
  QPointer<QWidget> top_;
  QWidget* content_ = nullptr;
  QMenuBar* menuBar_ = nullptr;
  QVBoxLayout* layout_ = nullptr;
};

// While alive: the click being dispatched is (not) contextual.
struct ClickContext {
  explicit ClickContext(bool contextual);
  ~ClickContext();
  bool previous;
};
// While alive: a contextual menu opened meanwhile shows at this point of the screen,
// where the menu key asked for it, rather than at the mouse pointer.
struct MenuPlaceContext {
  explicit MenuPlaceContext(QPoint global);
  ~MenuPlaceContext();
  std::optional<QPoint> previous;
};
// While alive: the modifiers of the key being dispatched.
struct KeyContext {
  KeyContext(bool command, bool shift);
  ~KeyContext();
  int previous;
};

// True when no part of the widget lies within its window's content: a control moved
// beyond the window's edge, or one that a narrower window cuts off.
bool OutOfSight(const QWidget* w);
// When the keyboard focus in `top` stands on a control out of sight, it moves on to the
// next control in sight as Tab would (or nowhere, with none), so that no key typed next
// lands in a field the user cannot see.
void BringFocusIntoSight(QWidget* top);

// The captions that name a field (its frame) to a screen reader: those just before it
// on its line, else those just above it, left to right; empty when none is near.
QString FieldLabel(const QWidget& field);
// The captions just after a button on its line, left to right; empty when none is near.
QString CaptionAfter(const QWidget& button);

// Access for tests and framework code.
QWidget* WidgetOf(const RectControl& c);
QWidget* ContentWidgetOf(const Window& w);
QWidget* TopWidgetOf(const Window& w);
// The line or text editor inside an edit field (QLineEdit or QPlainTextEdit).
QWidget* EditorOf(const EditField& f);
QTableView* TableOf(const Listbox& l);

}  // namespace fw
