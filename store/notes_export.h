#pragma once
// The notes of the loaded year as a plain text file the user names: every note, or
// those from today to seven days later.
namespace Globali {

// `all` true: every non-empty note; false: the days whose date lies from today to
// today + 7 days. Each entry is the long date, the note and an empty line. Answers
// false when a chosen file could not be written; a cancelled dialog writes nothing
// and answers true.
bool esportanote(bool all);

}  // namespace Globali
