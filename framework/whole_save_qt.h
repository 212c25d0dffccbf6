#pragma once
// Finishing a QSaveFile so that a file is replaced only by a complete new one (framework-internal).
#include <QSaveFile>

namespace fw {

// Flushes and syncs the new content, and renames it over the old file only when every
// step succeeded. The new file is its owner's only (mode 0600), whatever the old one's. On any failure the temporary is dropped, the old file stays as it was,
// and the answer is false.
bool CommitWhole(QSaveFile& file);

}  // namespace fw
