#pragma once
// Whether the print server answers (framework-internal). A server that takes
// connections but never answers holds each CUPS call for a minute, and the toolkit
// makes several on the program's thread while it makes a printer or its dialog: the
// clock and the reminders would stop meanwhile. So the server is asked first on
// another thread, the events running meanwhile; one that does not answer in time is
// bypassed, and this thread's CUPS calls then fail at once, as where no print server
// runs, so that the toolkit offers printing into a file only.
#include <functional>
#include <string>

namespace fw {

class PrintServerBypass {
 public:
  // Asks the server this thread's CUPS calls go to; the user's input waits meanwhile.
  // One that does not answer is told by its name to `serverSilent` (may be none).
  explicit PrintServerBypass(const std::function<void(const std::string& server)>& serverSilent);
  // This thread's CUPS calls go to the server again.
  ~PrintServerBypass();
  PrintServerBypass(const PrintServerBypass&) = delete;
  PrintServerBypass& operator=(const PrintServerBypass&) = delete;

 private:
  std::string silent_;  // the server bypassed; "" when none is
};

}  // namespace fw
