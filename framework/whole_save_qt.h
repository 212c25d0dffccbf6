#pragma once
// Finishing a QSaveFile so that a file is replaced only by a complete new one (framework-internal).
#include <QSaveFile>

namespace fw {

// Opens the new content for writing, its owner's only (mode 0600) whatever the old
// file's mode.
bool OpenWhole(QSaveFile& file);

// Flushes and syncs the new content, and renames it over the old file only when every
// step succeeded. On any failure the temporary is dropped, the old file stays as it
// was, and the answer is false.
bool CommitWhole(QSaveFile& file);

}  // namespace fw
