#include "framework/whole_save_qt.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace fw {

namespace {

// A file system that cannot sync (EINVAL) has nothing more to write; any other
// failure means the data may not have reached the disk.
bool SyncedToDisk(int fd) { return fd >= 0 && (::fsync(fd) == 0 || errno == EINVAL); }

}  // namespace

// Every file written here holds the user's diary, so only its owner may read it, from
// its first byte on; a file system without permissions (a memory stick) refuses, and
// the file is still saved.
bool OpenWhole(QSaveFile& file) {
  if (!file.open(QIODevice::WriteOnly)) return false;
  (void)::fchmod(file.handle(), S_IRUSR | S_IWUSR);
  return true;
}

// QSaveFile::commit() alone is not enough: it flushes its buffer while closing, ignores a
// failed flush (ENOSPC on a full disk) and a failed sync, and renames the short file over
// the old one. So the flush and the sync happen here first, and each is checked.
bool CommitWhole(QSaveFile& file) {
  const bool whole = file.error() == QFileDevice::NoError && file.flush() && SyncedToDisk(file.handle());
  if (!whole) {
    file.cancelWriting();
    return false;
  }
  return file.commit();
}

}  // namespace fw
