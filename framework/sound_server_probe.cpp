#include "framework/sound_server_probe.h"

#include <atomic>
#include <chrono>
#include <memory>
#include <thread>

#include "framework/events_until_answered.h"
#include "framework/loaded_function.h"

namespace fw::internal {

namespace {

using Clock = std::chrono::steady_clock;

// A server on this machine answers in well under this; it is the longest a first
// sound waits before it goes without the server.
constexpr auto kAnswerTime = std::chrono::seconds(3);

// The sound server's client library, from its C interface: the program links none.
constexpr int kNoAutospawn = 1;          // PA_CONTEXT_NOAUTOSPAWN: a server missing is not started
constexpr int kAuthorizing = 2, kReady = 4, kFailed = 5;  // pa_context_state_t

struct Pulse {
  void* (*mainloopNew)();
  void* (*mainloopApi)(void*);
  int (*iterate)(void*, int, int*);
  void (*mainloopFree)(void*);
  void* (*contextNew)(void*, const char*);
  int (*connect)(void*, const char*, int, const void*);
  int (*state)(void*);
  void (*disconnect)(void*);
  void (*unref)(void*);

  // None without the library, which the toolkit's audio loads anyway.
  static const Pulse* Get() {
    static const std::unique_ptr<Pulse> pulse = Load();
    return pulse.get();
  }

 private:
  static std::unique_ptr<Pulse> Load() {
    void* handle = ::dlopen("libpulse.so.0", RTLD_LAZY);
    if (!handle) return nullptr;
    auto p = std::make_unique<Pulse>();
    const bool found = FindFunction(handle, p->mainloopNew, "pa_mainloop_new") &&
                       FindFunction(handle, p->mainloopApi, "pa_mainloop_get_api") &&
                       FindFunction(handle, p->iterate, "pa_mainloop_iterate") &&
                       FindFunction(handle, p->mainloopFree, "pa_mainloop_free") &&
                       FindFunction(handle, p->contextNew, "pa_context_new") && FindFunction(handle, p->connect, "pa_context_connect") &&
                       FindFunction(handle, p->state, "pa_context_get_state") &&
                       FindFunction(handle, p->disconnect, "pa_context_disconnect") && FindFunction(handle, p->unref, "pa_context_unref");
    return found ? std::move(p) : nullptr;
  }
};

// Connects to the server the environment names, until its state is `enough` or it
// failed; `answered` is set then, and where nothing can ask it, `failed` where it failed.
// Never waits: the thread ends by itself at the deadline.
struct Answer {
  std::atomic<bool> answered{false}, failed{false};
};

void Ask(Pulse pulse, int enough, Clock::time_point deadline, std::shared_ptr<Answer> answer) {
  void* loop = pulse.mainloopNew();
  void* context = loop ? pulse.contextNew(pulse.mainloopApi(loop), "velqora") : nullptr;
  bool failed = context && pulse.connect(context, nullptr, kNoAutospawn, nullptr) < 0;
  bool over = !context || failed;
  while (!over && Clock::now() < deadline) {
    pulse.iterate(loop, 0, nullptr);
    const int state = pulse.state(context);
    failed = state == kFailed;
    over = failed || (state >= enough && state <= kReady);
    if (!over) std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  answer->failed = failed;
  answer->answered = over;
  if (context) {
    pulse.disconnect(context);
    pulse.unref(context);
  }
  if (loop) pulse.mainloopFree(loop);
}

// Null where the library to ask with is missing.
std::shared_ptr<Answer> AskUntil(int enough) {
  const Pulse* pulse = Pulse::Get();
  if (!pulse) return nullptr;
  const auto deadline = Clock::now() + kAnswerTime;
  auto answer = std::make_shared<Answer>();
  std::thread(Ask, *pulse, enough, deadline, answer).detach();
  RunEventsUntilAnswered(answer->answered, deadline);
  return answer;
}

}  // namespace

bool SoundServerAnswers() {
  const auto answer = AskUntil(kReady);
  return !answer || answer->answered;
}

bool SoundServerTakesConnections() {
  const auto answer = AskUntil(kAuthorizing);
  return !answer || !answer->failed;
}

}  // namespace fw::internal
