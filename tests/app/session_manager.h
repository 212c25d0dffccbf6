#pragma once
// An X session manager of the test's own, speaking the desktop's session protocol
// (XSMP) as xsm, xfce4-session or KDE's do, for one client: it tells the client to save
// (a checkpoint, or a log-out) and to end, or that the log-out was called off. It runs
// in the test's thread: Pump answers the client until a condition holds. Without the
// session protocol's library at build time Available() is false.
#include <chrono>
#include <functional>
#include <memory>
#include <string>

namespace testsupport {

class SessionManager {
 public:
  SessionManager();
  ~SessionManager();
  SessionManager(const SessionManager&) = delete;
  SessionManager& operator=(const SessionManager&) = delete;

  bool Available() const;
  // The SESSION_MANAGER value a client connects with.
  std::string Address() const;

  // What the client has said so far.
  bool Registered() const;
  int SavesDone() const;        // its SaveYourselfDone answers
  bool AskedToInteract() const;  // in the save now going on
  bool CancelledTheLogOut() const;
  bool Gone() const;  // its connection closed

  // A save as a checkpoint (`logOut` false) or at a log-out; with `userAtHand` the
  // client may ask the user, and is let do so as soon as it asks.
  void Save(bool logOut, bool userAtHand);
  void Die();
  // The log-out is called off, as when another client cancelled it.
  void CancelLogOut();
  // Answers the client until `done` holds; false when `limit` passed first.
  bool Pump(const std::function<bool()>& done, std::chrono::milliseconds limit);

  struct State;

 private:
  bool Answer(const std::function<bool()>& done, std::chrono::milliseconds limit);

  std::unique_ptr<State> state_;
};

}  // namespace testsupport
