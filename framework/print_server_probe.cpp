#include "framework/print_server_probe.h"

#include <sys/socket.h>

#include <atomic>
#include <chrono>
#include <memory>
#include <thread>

#include "framework/events_until_answered.h"
#include "framework/loaded_function.h"
#include "framework/print_spooler.h"

namespace fw {

namespace {

using Clock = std::chrono::steady_clock;

// A server on the network answers in well under this; it is the longest the print
// window waits before it opens without the server.
constexpr auto kAnswerTime = std::chrono::seconds(3);
// CUPS-Get-Default: the smallest request every CUPS server answers.
constexpr int kGetDefaultOperation = 0x4001;
// Where a bypassed thread's CUPS calls go: a socket path that can never exist.
const char kNowhere[] = "/dev/null/no print server";

// The CUPS calls used, from its library; the program links none.
struct Cups {
  const char* (*server)();
  int (*port)();
  int (*encryption)();
  void (*setServer)(const char*);
  void* (*connect)(const char*, int, void*, int, int, int, int, int*);
  void (*setTimeout)(void*, double, int (*)(void*, void*), void*);
  void* (*newRequest)(int);
  void* (*doRequest)(void*, void*, const char*);
  void (*deleteMessage)(void*);
  void (*close)(void*);

  // None without the library. It is loaded here when the toolkit has not loaded it yet:
  // the toolkit's printer, made next, loads it anyway.
  static const Cups* Get() {
    static const std::unique_ptr<Cups> cups = Load();
    return cups.get();
  }

 private:
  static std::unique_ptr<Cups> Load() {
    void* handle = ::dlopen(kSpoolerLibrary, RTLD_LAZY);
    if (!handle) return nullptr;
    auto c = std::make_unique<Cups>();
    using internal::FindFunction;
    const bool found = FindFunction(handle, c->server, "cupsServer") && FindFunction(handle, c->port, "ippPort") &&
                       FindFunction(handle, c->encryption, "cupsEncryption") &&
                       FindFunction(handle, c->setServer, "cupsSetServer") &&
                       FindFunction(handle, c->connect, "httpConnect2") &&
                       FindFunction(handle, c->setTimeout, "httpSetTimeout") &&
                       FindFunction(handle, c->newRequest, "ippNewRequest") &&
                       FindFunction(handle, c->doRequest, "cupsDoRequest") &&
                       FindFunction(handle, c->deleteMessage, "ippDelete") && FindFunction(handle, c->close, "httpClose");
    return found ? std::move(c) : nullptr;
  }
};

// The server as cupsSetServer takes it back: a socket's path, or the host with its port.
std::string ServerOf(const Cups& cups) {
  const char* host = cups.server();
  if (!host || !*host) return {};
  return host[0] == '/' ? std::string(host) : std::string(host) + ":" + std::to_string(cups.port());
}

// A request's wait goes on until the deadline it is given, then gives up.
int WaitsUntil(void*, void* deadline) { return Clock::now() < *static_cast<Clock::time_point*>(deadline) ? 1 : 0; }

// Asks `host` for its default printer; `answered` is set when it answered, refused, or
// could not be reached. The request gives up soon after `deadline`, so the thread
// ends by itself even when the server never answers.
void Ask(const Cups& cups, std::string host, int port, int encryption, Clock::time_point deadline,
         std::shared_ptr<std::atomic<bool>> answered) {
  const auto msec = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
  int cancel = 0;
  void* http = cups.connect(host.c_str(), port, nullptr, AF_UNSPEC, encryption, 1, static_cast<int>(msec), &cancel);
  if (http) {
    cups.setTimeout(http, 0.25, &WaitsUntil, &deadline);
    if (void* answer = cups.doRequest(http, cups.newRequest(kGetDefaultOperation), "/")) cups.deleteMessage(answer);
    cups.close(http);
  }
  *answered = Clock::now() < deadline;
}

}  // namespace

PrintServerBypass::PrintServerBypass(const std::function<void(const std::string& server)>& serverSilent) {
  const Cups* cups = Cups::Get();
  if (!cups) return;
  const std::string server = ServerOf(*cups);
  if (server.empty()) return;
  const auto deadline = Clock::now() + kAnswerTime;
  auto answered = std::make_shared<std::atomic<bool>>(false);
  std::thread(Ask, *cups, cups->server(), cups->port(), cups->encryption(), deadline, answered).detach();

  internal::RunEventsUntilAnswered(*answered, deadline);
  if (*answered) return;
  silent_ = server;
  cups->setServer(kNowhere);
  if (serverSilent) serverSilent(silent_);
}

PrintServerBypass::~PrintServerBypass() {
  if (!silent_.empty()) Cups::Get()->setServer(silent_.c_str());
}

}  // namespace fw
