// Timers on QTimer: ticks come from the event loop on the user-interface thread, and
// also while a modal dialog runs its own loop.
#include "framework/timer.h"

#include <QTimer>
#include <set>

#include "framework/application.h"
#include "framework/application_qt.h"

namespace fw {

namespace {
// Every live timer, so that Quit can stop them all before the Close event.
std::set<Timer*>& LiveTimers() {
  static std::set<Timer*> timers;
  return timers;
}
bool gTimersStopped = false;
}  // namespace

struct Timer::Impl {
  int32_t mode = 2;
  int32_t period = 1000;
  bool enabled = true;
  bool inAction = false;
  std::shared_ptr<bool> alive = std::make_shared<bool>(true);  // the action may delete us
  QTimer qtimer;
};

Timer::Timer() : impl_(std::make_unique<Impl>()) {
  LiveTimers().insert(this);
  QObject::connect(&impl_->qtimer, &QTimer::timeout, [this] { Tick(); });
  Rearm();  // ticks come from the event loop only, after the design is applied
}

Timer::~Timer() {
  *impl_->alive = false;
  LiveTimers().erase(this);
}

int32_t Timer::Mode() const { return impl_->mode; }
void Timer::SetMode(int32_t mode) {
  impl_->mode = mode < 0 || mode > 2 ? 0 : mode;
  Rearm();
}

int32_t Timer::Period() const { return impl_->period; }
void Timer::SetPeriod(int32_t ms) {
  if (ms < 1) ms = 1;  // a zero period would starve the event loop
  if (impl_->period == ms) return;
  impl_->period = ms;
  Rearm();
}

bool Timer::Enabled() const { return impl_->enabled; }
void Timer::SetEnabled(bool on) {
  if (impl_->enabled == on) return;
  impl_->enabled = on;
  Rearm();
}

void Timer::Reset() { Rearm(); }

void Timer::Event_Action() {
  if (OnAction) OnAction();
}

void Timer::FireForTesting() { Tick(); }

void Timer::Tick() {
  // A tick that comes while this timer's own action is still running (it opened a
  // modal dialog) would re-enter a half-done handler; it is dropped.
  if (impl_->inAction || gTimersStopped) return;
  if (impl_->mode == 1) SetMode(0);  // a single-shot timer turns itself off
  std::shared_ptr<bool> alive = impl_->alive;
  impl_->inAction = true;
  Guarded("Timer action", [this] { Event_Action(); });
  if (*alive) impl_->inAction = false;
}

void Timer::Rearm() {
  QTimer& t = impl_->qtimer;
  if (gTimersStopped || !impl_->enabled || impl_->mode == 0) {
    t.stop();
    return;
  }
  t.setSingleShot(impl_->mode == 1);
  t.start(impl_->period);  // (re)starts the period
}

namespace internal {

void StopAllTimers() {
  gTimersStopped = true;
  for (Timer* t : LiveTimers()) t->Rearm();
}

void ResumeTimers() {
  gTimersStopped = false;
  for (Timer* t : LiveTimers()) t->Rearm();
}

}  // namespace internal
}  // namespace fw
