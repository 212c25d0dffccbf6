#pragma once
// A window that takes no keyboard for now answers the window manager's offer of the
// keyboard (WM_TAKE_FOCUS) by handing it to the window the user types in.
#include <QAbstractNativeEventFilter>
#include <QObject>
#include <QPointer>
#include <QWindow>
#include <cstdint>

namespace fw::internal {

class TakeFocusAnswer : public QObject, public QAbstractNativeEventFilter {
 public:
  // Answers for `marked` until this is destroyed (with `marked`, at the latest); hands
  // the keyboard to `typedIn`, when there is one then. Only on an X display.
  TakeFocusAnswer(QWindow* marked, QWindow* typedIn);
  ~TakeFocusAnswer() override;

 private:
  bool nativeEventFilter(const QByteArray& type, void* message, qintptr* result) override;
  QPointer<QWindow> marked_, typedIn_;
  uint32_t protocols_ = 0, takeFocus_ = 0;
};

}  // namespace fw::internal
