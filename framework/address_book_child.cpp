#include "framework/address_book_child.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "framework/address_book_eds.h"
#include "framework/address_book_wire.h"

namespace fw::internal {

namespace {

String ReadAll(int fd) {
  String all;
  char buffer[65536];
  for (ssize_t n; (n = ::read(fd, buffer, sizeof buffer)) != 0;) {
    if (n > 0) all.append(buffer, static_cast<size_t>(n));
    else if (errno != EINTR) break;
  }
  return all;
}

void Write(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n > 0) bytes.remove_prefix(static_cast<size_t>(n));
    else if (n < 0 && errno != EINTR) return;
  }
}

// The tests' faults: half the answer, then a reader that never ends or one that crashes.
[[noreturn]] void MisbehaveMidway(int out, std::string_view answer, std::string_view fault) {
  Write(out, answer.substr(0, answer.size() / 2));
  if (fault == kHangMidwayFault)
    for (;;) ::pause();
  const rlimit noCore{0, 0};
  ::setrlimit(RLIMIT_CORE, &noCore);
  std::abort();
}

String Answer(int out, std::string_view task, std::string_view fault) {
  if (task == kReadBookTask) {
    const String answer =
        EncodeBook(ReadDefaultBook(fault == kNoLibraryFault ? "libebook-not-installed.so" : kAddressBookLibrary));
    if (fault == kHangMidwayFault || fault == kDieMidwayFault) MisbehaveMidway(out, answer, fault);
    return answer;
  }
  if (task == kAddPeopleTask) {
    const std::optional<std::vector<String>> vcards = DecodeTexts(ReadAll(STDIN_FILENO));
    return EncodeTexts({vcards ? AddToDefaultBook(*vcards) : "the people to add came incomplete"});
  }
  return EncodeTexts({EmptyDefaultBook()});
}

}  // namespace

void RunAddressBookChildIfAsked(int argc, char** argv) {
  if (argc < 3 || std::strcmp(argv[1], kAddressBookChildArgument) != 0) return;
  const std::string_view task = argv[2];
  if (task != kReadBookTask && task != kAddPeopleTask && task != kEmptyBookTask) ::_exit(2);
  // A program that ends meanwhile, however, ends its reader too; one that ended before
  // this line (the socket's other end was made by it) no longer is the parent.
  ::prctl(PR_SET_PDEATHSIG, SIGKILL);
  ucred program{};
  socklen_t size = sizeof program;
  if (::getsockopt(STDIN_FILENO, SOL_SOCKET, SO_PEERCRED, &program, &size) != 0 || program.pid != ::getppid())
    ::_exit(4);
  // The answer goes on a descriptor of its own: what the libraries print on standard
  // output (GLib's debug messages, for one) goes where their warnings go.
  const int out = ::fcntl(STDOUT_FILENO, F_DUPFD_CLOEXEC, STDERR_FILENO + 1);
  if (out < 0) ::_exit(3);
  ::dup2(STDERR_FILENO, STDOUT_FILENO);
  Write(out, Answer(out, task, argc > 3 ? argv[3] : ""));
  // The answer is whole even if a process the library started holds the output open.
  ::shutdown(out, SHUT_WR);
  // The library's threads may still run: nothing of the process is torn down.
  ::_exit(0);
}

}  // namespace fw::internal
