#pragma once
// Timers tick on the user-interface thread. Mode 2 repeats every Period ms while
// Enabled; Reset restarts the period. Ticks also arrive while a modal dialog is up.
#include <functional>
#include <memory>
#include "framework/object.h"

namespace fw {

namespace internal {
void StopAllTimers();
void ResumeTimers();
}  // namespace internal

class Timer : public Object {
 public:
  Timer();
  ~Timer() override;
  String ClassName() const override { return "Timer"; }

  int32_t Mode() const;   // 0 off, 1 single, 2 multiple
  void SetMode(int32_t mode);
  int32_t Period() const;  // ms
  void SetPeriod(int32_t ms);
  bool Enabled() const;
  void SetEnabled(bool on);
  void Reset();

  // The tick. Subclasses override; or bind a handler.
  virtual void Event_Action();
  std::function<void()> OnAction;

  // Tests: deliver one tick now, as the event loop would (whatever Enabled says; a
  // single-shot timer then turns off). Dropped after Quit and while this timer's own
  // action is still running.
  void FireForTesting();

 private:
  void Tick();  // from the event loop or a test
  friend void internal::StopAllTimers();
  friend void internal::ResumeTimers();
  void Rearm();
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace fw
