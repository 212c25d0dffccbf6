// The program's side of the address book: its child process asked and waited for.
#include "framework/address_book.h"

#include <sys/wait.h>

#include <chrono>

#include "framework/address_book_child.h"
#include "framework/address_book_wire.h"
#include "framework/child_process.h"

namespace fw {

namespace {

using std::chrono::milliseconds;

milliseconds gAnswerWithin{5000};
AddressBookReaderFault gReaderFault = AddressBookReaderFault::None;

// The tests' writers start the services of a fresh session, which takes its time on a
// busy machine.
constexpr milliseconds kWritersWithin{120000};

internal::ChildOutcome RunChild(const char* task, const char* fault, const String& input, milliseconds limit) {
  std::vector<String> arguments{internal::kAddressBookChildArgument, task};
  if (*fault) arguments.push_back(fault);
  return internal::RunThisExecutable(arguments, input, limit);
}

// Why the child's answer cannot be taken; "" when it can.
String ProblemWith(const internal::ChildOutcome& child, milliseconds limit) {
  if (!child.startProblem.empty()) return "the address book's reader could not be started (" + child.startProblem + ")";
  if (child.overstayed)
    return "the address book service did not answer within " + Str(static_cast<double>(limit.count()) / 1000) +
           " seconds";
  if (!WIFEXITED(child.waitStatus) || WEXITSTATUS(child.waitStatus) != 0)
    return "the address book's reader stopped without answering (" + internal::DescribeEnd(child.waitStatus) + ")";
  return "";
}

const char* FaultArgument(AddressBookReaderFault fault) {
  switch (fault) {
    case AddressBookReaderFault::HangsMidway: return internal::kHangMidwayFault;
    case AddressBookReaderFault::DiesMidway: return internal::kDieMidwayFault;
    case AddressBookReaderFault::LibraryMissing: return internal::kNoLibraryFault;
    default: return "";
  }
}

String AskWriter(const char* task, const String& input) {
  const internal::ChildOutcome child = RunChild(task, "", input, kWritersWithin);
  if (String problem = ProblemWith(child, kWritersWithin); !problem.empty()) return problem;
  const std::optional<std::vector<String>> answer = internal::DecodeTexts(child.output);
  return answer && answer->size() == 1 ? answer->front() : "the address book's writer gave an incomplete answer";
}

}  // namespace

AddressBook SystemAddressBook() {
  const internal::ChildOutcome child =
      RunChild(internal::kReadBookTask, FaultArgument(gReaderFault), "", gAnswerWithin);
  if (String problem = ProblemWith(child, gAnswerWithin); !problem.empty()) return AddressBook::Unavailable(problem);
  return internal::DecodeBook(child.output);
}

void SetAddressBookWaitForTesting(int32_t milliseconds) { gAnswerWithin = std::chrono::milliseconds(milliseconds); }
void SetAddressBookReaderFaultForTesting(AddressBookReaderFault fault) { gReaderFault = fault; }

String AddToSystemAddressBookForTesting(const std::vector<String>& vcards) {
  return AskWriter(internal::kAddPeopleTask, internal::EncodeTexts(vcards));
}

String EmptySystemAddressBookForTesting() { return AskWriter(internal::kEmptyBookTask, ""); }

}  // namespace fw
