#pragma once
// Cooperative threads. A thread's body runs on the user-interface thread, from the
// event loop, one body at a time. Run on a thread that is queued or running never
// starts a second body: it is merged so that one more run happens after the current one.
//
// Long loops of the program call YieldToNextThread() once per step. A yield runs the
// pending thread bodies only; it never delivers user input or timer ticks, so a key or
// a menu command cannot re-enter a half-done save, load or month rebuild.
#include <memory>
#include "framework/object.h"

namespace fw {

class Thread : public Object {
 public:
  Thread();
  ~Thread() override;
  String ClassName() const override { return "Thread"; }

  int32_t Priority = 5;
  int32_t StackSize = 0;

  void Run();
  bool IsQueuedOrRunning() const;
  virtual void Event_Run() {}

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

void YieldToNextThread();
// Tests: runs every queued thread body now, as the event loop would.
void RunPendingThreadsForTesting();
// How many bodies are queued (tests).
int PendingThreadCount();

}  // namespace fw
