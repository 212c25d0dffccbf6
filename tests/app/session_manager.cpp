#include "session_manager.h"

#ifdef VELQORA_TEST_SESSION_MANAGER

#include <X11/ICE/ICElib.h>
#include <X11/SM/SMlib.h>
#include <poll.h>
#include <signal.h>

#include <cstdlib>
#include <cstring>
#include <vector>

namespace testsupport {

struct SessionManager::State {
  std::vector<IceListenObj> listeners;
  IceListenObj* listenersHeld = nullptr;  // as the library gave them, for it to free
  std::string address;
  SmsConn client = nullptr;
  IceConn connection = nullptr;
  bool registered = false;
  int savesDone = 0;
  bool askedToInteract = false;
  bool cancelledTheLogOut = false;
  bool gone = false;

  // The client has gone: the next one starts afresh.
  void Forget() {
    *this = {listeners, listenersHeld, address};
    gone = true;
  }
};

namespace {

SessionManager::State* gState = nullptr;  // the library's callbacks reach the manager here

Bool AnyHost(char*) { return True; }
// The library's own handlers end the process when a client goes away.
void IgnoreIOError(IceConn) {}
void IgnoreError(IceConn, Bool, int, unsigned long, int, int, IcePointer) {}

// A client that has gone raises SIGPIPE at the manager's next write to it: held back
// and taken here, it ends nothing.
void WithoutSigpipe(const std::function<void()>& write) {
  sigset_t pipe, old;
  sigemptyset(&pipe);
  sigaddset(&pipe, SIGPIPE);
  pthread_sigmask(SIG_BLOCK, &pipe, &old);
  write();
  const timespec noWait{};
  while (sigtimedwait(&pipe, nullptr, &noWait) > 0) {
  }
  pthread_sigmask(SIG_SETMASK, &old, nullptr);
}

Status OnRegister(SmsConn conn, SmPointer, char* previousId) {
  std::free(previousId);
  char* id = SmsGenerateClientID(conn);
  SmsRegisterClientReply(conn, id);
  std::free(id);
  gState->registered = true;
  return 1;
}
void OnInteractRequest(SmsConn conn, SmPointer, int) {
  gState->askedToInteract = true;
  SmsInteract(conn);
}
void OnInteractDone(SmsConn, SmPointer, Bool cancel) { gState->cancelledTheLogOut |= cancel != False; }
void OnSaveRequest(SmsConn, SmPointer, int, Bool, int, Bool, Bool) {}
void OnPhase2Request(SmsConn conn, SmPointer) { SmsSaveYourselfPhase2(conn); }
void OnSaveDone(SmsConn, SmPointer, Bool) { ++gState->savesDone; }
void OnClose(SmsConn conn, SmPointer, int count, char** reasons) {
  SmFreeReasons(count, reasons);
  IceConn ice = SmsGetIceConnection(conn);
  SmsCleanUp(conn);
  IceSetShutdownNegotiation(ice, False);
  IceCloseConnection(ice);
  if (conn == gState->client) gState->Forget();
}
void OnSetProperties(SmsConn, SmPointer, int count, SmProp** props) {
  for (int i = 0; i < count; ++i) SmFreeProperty(props[i]);
  std::free(props);
}
void OnDeleteProperties(SmsConn, SmPointer, int count, char** names) {
  for (int i = 0; i < count; ++i) std::free(names[i]);
  std::free(names);
}
void OnGetProperties(SmsConn conn, SmPointer) { SmsReturnProperties(conn, 0, nullptr); }

Status OnNewClient(SmsConn conn, SmPointer, unsigned long* mask, SmsCallbacks* callbacks, char**) {
  gState->client = conn;
  gState->gone = false;
  *callbacks = {};
  callbacks->register_client.callback = OnRegister;
  callbacks->interact_request.callback = OnInteractRequest;
  callbacks->interact_done.callback = OnInteractDone;
  callbacks->save_yourself_request.callback = OnSaveRequest;
  callbacks->save_yourself_phase2_request.callback = OnPhase2Request;
  callbacks->save_yourself_done.callback = OnSaveDone;
  callbacks->close_connection.callback = OnClose;
  callbacks->set_properties.callback = OnSetProperties;
  callbacks->delete_properties.callback = OnDeleteProperties;
  callbacks->get_properties.callback = OnGetProperties;
  *mask = SmsRegisterClientProcMask | SmsInteractRequestProcMask | SmsInteractDoneProcMask |
          SmsSaveYourselfRequestProcMask | SmsSaveYourselfP2RequestProcMask | SmsSaveYourselfDoneProcMask |
          SmsCloseConnectionProcMask | SmsSetPropertiesProcMask | SmsDeletePropertiesProcMask |
          SmsGetPropertiesProcMask;
  return 1;
}

}  // namespace

SessionManager::SessionManager() : state_(std::make_unique<State>()) {
  gState = state_.get();
  IceSetIOErrorHandler(IgnoreIOError);
  IceSetErrorHandler(IgnoreError);
  char error[256] = "";
  if (!SmsInitialize("velqora-tests", "1", OnNewClient, nullptr, AnyHost, sizeof error, error)) return;
  int count = 0;
  IceListenObj* listeners = nullptr;
  if (!IceListenForConnections(&count, &listeners, sizeof error, error)) return;
  state_->listenersHeld = listeners;
  for (int i = 0; i < count; ++i) {
    IceSetHostBasedAuthProc(listeners[i], AnyHost);
    state_->listeners.push_back(listeners[i]);
    // The client is given the local socket only.
    char* id = IceGetListenConnectionString(listeners[i]);
    if (state_->address.empty() && std::strncmp(id, "local/", 6) == 0) state_->address = id;
    std::free(id);
  }
}

SessionManager::~SessionManager() {
  if (state_->connection) {
    SmsCleanUp(state_->client);
    IceSetShutdownNegotiation(state_->connection, False);
    IceCloseConnection(state_->connection);
  }
  if (state_->listenersHeld) IceFreeListenObjs(static_cast<int>(state_->listeners.size()), state_->listenersHeld);
  gState = nullptr;
}

bool SessionManager::Available() const { return !state_->address.empty(); }
std::string SessionManager::Address() const { return state_->address; }
bool SessionManager::Registered() const { return state_->registered; }
int SessionManager::SavesDone() const { return state_->savesDone; }
bool SessionManager::AskedToInteract() const { return state_->askedToInteract; }
bool SessionManager::CancelledTheLogOut() const { return state_->cancelledTheLogOut; }
bool SessionManager::Gone() const { return state_->gone; }

// Both kinds of save are global, as xsm's checkpoint and log-out are by default: the
// toolkit asks the program for its data only at those.
void SessionManager::Save(bool logOut, bool userAtHand) {
  state_->askedToInteract = false;
  state_->cancelledTheLogOut = false;
  if (!state_->client) return;
  WithoutSigpipe([&] {
    SmsSaveYourself(state_->client, SmSaveBoth, logOut ? True : False,
                    userAtHand ? SmInteractStyleAny : SmInteractStyleNone, False);
  });
}
void SessionManager::Die() {
  if (state_->client) WithoutSigpipe([&] { SmsDie(state_->client); });
}
void SessionManager::CancelLogOut() {
  if (state_->client) WithoutSigpipe([&] { SmsShutdownCancelled(state_->client); });
}

bool SessionManager::Pump(const std::function<bool()>& done, std::chrono::milliseconds limit) {
  bool met = false;
  WithoutSigpipe([&] { met = Answer(done, limit); });
  return met;
}

bool SessionManager::Answer(const std::function<bool()>& done, std::chrono::milliseconds limit) {
  for (auto end = std::chrono::steady_clock::now() + limit; !done();) {
    if (std::chrono::steady_clock::now() >= end) return false;
    std::vector<pollfd> fds;
    for (IceListenObj l : state_->listeners) fds.push_back({IceGetListenConnectionNumber(l), POLLIN, 0});
    IceConn ice = state_->connection;
    if (ice) fds.push_back({IceConnectionNumber(ice), POLLIN, 0});
    if (::poll(fds.data(), fds.size(), 20) <= 0) continue;
    for (size_t i = 0; i < state_->listeners.size(); ++i) {
      if (!(fds[i].revents & POLLIN)) continue;
      IceAcceptStatus accepted;
      IceConn incoming = IceAcceptConnection(state_->listeners[i], &accepted);
      if (!incoming) continue;
      while (IceConnectionStatus(incoming) == IceConnectPending)
        if (IceProcessMessages(incoming, nullptr, nullptr) == IceProcessMessagesIOError) break;
      if (IceConnectionStatus(incoming) == IceConnectAccepted) state_->connection = incoming;
      else IceCloseConnection(incoming);
    }
    if (!ice || !fds.back().revents) continue;
    // A client that leaves without saying so: its connection breaks.
    if (IceProcessMessages(ice, nullptr, nullptr) == IceProcessMessagesIOError && state_->connection == ice) {
      SmsCleanUp(state_->client);
      IceSetShutdownNegotiation(ice, False);
      IceCloseConnection(ice);
      state_->Forget();
    }
  }
  return true;
}

}  // namespace testsupport

#else

namespace testsupport {
struct SessionManager::State {};
SessionManager::SessionManager() : state_(std::make_unique<State>()) {}
SessionManager::~SessionManager() = default;
bool SessionManager::Available() const { return false; }
std::string SessionManager::Address() const { return ""; }
bool SessionManager::Registered() const { return false; }
int SessionManager::SavesDone() const { return 0; }
bool SessionManager::AskedToInteract() const { return false; }
bool SessionManager::CancelledTheLogOut() const { return false; }
bool SessionManager::Gone() const { return false; }
void SessionManager::Save(bool, bool) {}
void SessionManager::Die() {}
void SessionManager::CancelLogOut() {}
bool SessionManager::Pump(const std::function<bool()>&, std::chrono::milliseconds) { return false; }
}  // namespace testsupport

#endif
