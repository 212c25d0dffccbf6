#pragma once
// The notes of the loaded year as a plain text file the user names: every note, or
// those from today to seven days later.
#include "store/save_report.h"

namespace Globali {

// `all` true: every non-empty note; false: the days whose date lies from today to
// today + 7 days. Each entry is the long date, the note and an empty line. The report
// tells whether the chosen file was written and why not; a cancelled dialog writes
// nothing and reports nothing lost.
SaveReport esportanote(bool all);

}  // namespace Globali
