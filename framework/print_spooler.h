#pragma once
// What the print spooler answered to a job (framework-internal). The toolkit hands a
// printed job to CUPS and drops its answer, so a queue that refuses the job (rejecting
// jobs, deleted since the printer dialog listed it, its server gone) would lose the
// printout unseen. The answer is read back from the CUPS library that the toolkit
// loaded; the program itself links no CUPS.
#include <string>

namespace fw {

// CUPS 2's library: its name has kept this version since CUPS 1.2.
inline constexpr char kSpoolerLibrary[] = "libcups.so.2";

// Why CUPS refused the last request this thread made of it, in its own words; "" when
// it was taken, or when the toolkit never loaded CUPS.
std::string LastSpoolerRefusal();

}  // namespace fw
