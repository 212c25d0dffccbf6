#pragma once
// Work done in a process of its own: this very executable started again with arguments
// that name the work, so that a task which may hang or crash (a library of the system
// that the program does not trust) can be ended without ending the program.
#include <chrono>
#include <vector>

#include "framework/text.h"

namespace fw::internal {

struct ChildOutcome {
  String startProblem;  // why the child could not be started; "" when it was
  bool overstayed = false;  // still running at the limit, and killed then
  int waitStatus = 0;   // how it ended, as waitpid tells, when it ended by itself
  String output;        // all it wrote on its standard output (up to the limit)
};

// Starts this executable with `arguments` (after the program's name), gives it `input`
// on its standard input (then its end) and collects its standard output until it
// closes. A child not ended by `limit` from its start is killed. The caller waits
// meanwhile, and the child has always been waited for on return: it leaves no process
// behind. The child keeps the environment and no other open file; signals the program
// handles or blocks are at their defaults in it.
ChildOutcome RunThisExecutable(const std::vector<String>& arguments, const String& input,
                               std::chrono::milliseconds limit);

// How a child ended, in plain words ("it exited with status 3", "it was ended by signal 6, Aborted").
String DescribeEnd(int waitStatus);

}  // namespace fw::internal
