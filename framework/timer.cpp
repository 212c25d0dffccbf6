#include "framework/timer.h"
namespace fw {
struct Timer::Impl { int32_t mode = 2, period = 1000; bool enabled = true; };
Timer::Timer() : impl_(std::make_unique<Impl>()) {}
Timer::~Timer() = default;
int32_t Timer::Mode() const { return impl_->mode; }
void Timer::SetMode(int32_t m) { impl_->mode = m; }
int32_t Timer::Period() const { return impl_->period; }
void Timer::SetPeriod(int32_t ms) { impl_->period = ms; }
bool Timer::Enabled() const { return impl_->enabled; }
void Timer::SetEnabled(bool on) { impl_->enabled = on; }
void Timer::Reset() {}
void Timer::Event_Action() { if (OnAction) OnAction(); }
void Timer::FireForTesting() { Event_Action(); }
}  // namespace fw
