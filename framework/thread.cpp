#include "framework/thread.h"
namespace fw {
struct Thread::Impl {};
Thread::Thread() : impl_(std::make_unique<Impl>()) {}
Thread::~Thread() = default;
void Thread::Run() { Event_Run(); }
bool Thread::IsQueuedOrRunning() const { return false; }
void YieldToNextThread() {}
void RunPendingThreadsForTesting() {}
int PendingThreadCount() { return 0; }
}  // namespace fw
