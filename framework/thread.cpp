// Cooperative threads: bodies run on the user-interface thread, started by a posted
// zero-timer from the event loop or by a yield of the program's own long loops.
#include "framework/thread.h"

#include <QCoreApplication>
#include <QTimer>
#include <algorithm>
#include <deque>

#include "framework/application.h"
#include "framework/application_qt.h"

namespace fw {

namespace {

// Shared with the scheduler so that a body may delete its own thread object.
struct RunState {
  Thread* owner = nullptr;
  enum Phase { Idle, Queued, Running } phase = Idle;
  bool again = false;  // Run came while the body ran: one more run afterwards
};

struct Scheduler {
  std::deque<std::shared_ptr<RunState>> queue;
  int running = 0;  // bodies on the stack (a yield inside a body nests another)
  bool stopped = false;
  bool drainPosted = false;
};

Scheduler& Sched() {
  static Scheduler s;
  return s;
}

void RunQueuedOnce();

// The event loop starts queued bodies only between other events and never inside a
// body that waits in a dialog: bodies do not interleave except through a yield.
void PostDrain() {
  Scheduler& s = Sched();
  if (s.drainPosted || s.queue.empty() || !QCoreApplication::instance()) return;
  s.drainPosted = true;
  QTimer::singleShot(0, QCoreApplication::instance(), [] {
    Sched().drainPosted = false;
    if (Sched().running == 0) RunQueuedOnce();
  });
}

void RunBody(const std::shared_ptr<RunState>& st) {
  Scheduler& s = Sched();
  st->phase = RunState::Running;
  ++s.running;
  Guarded("Thread run", [&] { st->owner->Event_Run(); });
  --s.running;
  if (!st->owner) return;  // the body deleted its own thread
  st->phase = RunState::Idle;
  if (st->again) {
    st->again = false;
    st->owner->Run();
  }
  if (s.running == 0) PostDrain();
}

// Runs the bodies queued when it starts. A body queued meanwhile (or merged Run on a
// body that just ran) waits for the next round, so a thread that keeps re-running
// itself cannot trap a yield.
void RunQueuedOnce() {
  Scheduler& s = Sched();
  for (size_t n = s.queue.size(); n > 0 && !s.queue.empty() && !s.stopped; --n) {
    std::shared_ptr<RunState> st = s.queue.front();
    s.queue.pop_front();
    if (st->owner && st->phase == RunState::Queued) RunBody(st);
  }
  PostDrain();
}

}  // namespace

struct Thread::Impl {
  std::shared_ptr<RunState> state = std::make_shared<RunState>();
};

Thread::Thread() : impl_(std::make_unique<Impl>()) { impl_->state->owner = this; }

Thread::~Thread() {
  impl_->state->owner = nullptr;
  std::erase(Sched().queue, impl_->state);
}

void Thread::Run() {
  Scheduler& s = Sched();
  RunState& st = *impl_->state;
  if (s.stopped) return;
  switch (st.phase) {
    case RunState::Idle:
      st.phase = RunState::Queued;
      s.queue.push_back(impl_->state);
      PostDrain();
      break;
    case RunState::Queued:
      break;  // the queued run has not started: it will see the newest state
    case RunState::Running:
      st.again = true;
      break;
  }
}

bool Thread::IsQueuedOrRunning() const { return impl_->state->phase != RunState::Idle; }

// Runs pending bodies only. It never processes events: a key, a click, a menu command
// or a timer tick cannot arrive in the middle of the loop that yields. The running
// body is not in the queue, so a yield never starts the body it is called from.
void YieldToNextThread() {
  if (Sched().queue.empty()) return;  // the common case, in loops that yield at every character
  RunQueuedOnce();
}

void RunPendingThreadsForTesting() {
  // Bounded, so a thread that re-runs itself forever cannot hang a test.
  for (int round = 0; round < 100 && !Sched().queue.empty() && !Sched().stopped; ++round)
    RunQueuedOnce();
}

int PendingThreadCount() { return static_cast<int>(Sched().queue.size()); }

namespace internal {

void StopAllThreads() {
  Scheduler& s = Sched();
  s.stopped = true;
  for (auto& st : s.queue) st->phase = RunState::Idle;
  s.queue.clear();
}

void ResumeThreads() { Sched().stopped = false; }

}  // namespace internal
}  // namespace fw
