#include "framework/regular_file_qt.h"

#include <QFile>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace fw {

namespace {

bool IsRegular(const struct stat& st) { return S_ISREG(st.st_mode); }

// Reads to the end or to the limit; false on a read error.
bool ReadAll(int fd, qint64 limit, QByteArray& out) {
  char buffer[64 * 1024];
  while (limit < 0 || out.size() < limit) {
    const qint64 want = limit < 0 ? qint64(sizeof buffer) : std::min<qint64>(sizeof buffer, limit - out.size());
    const ssize_t got = ::read(fd, buffer, static_cast<size_t>(want));
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return false;
    if (got == 0) break;
    out.append(buffer, static_cast<qsizetype>(got));
  }
  return true;
}

}  // namespace

std::optional<QByteArray> ReadRegularFile(const QString& path, qint64 limit, qint64 largest) {
  if (path.isEmpty()) return std::nullopt;
  const QByteArray name = QFile::encodeName(path);
  struct stat st {};
  if (::stat(name.constData(), &st) != 0 || !IsRegular(st)) return std::nullopt;
  // Not blocking even if something else took the file's place after the test above.
  const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return std::nullopt;
  QByteArray bytes;
  bool ok = ::fstat(fd, &st) == 0 && IsRegular(st) && (limit >= 0 || st.st_size <= largest);
  if (ok) {
    bytes.reserve(static_cast<qsizetype>(limit < 0 ? st.st_size : std::min<qint64>(limit, st.st_size)));
    // A file that grew since its size was taken is still read no further than allowed.
    ok = ReadAll(fd, limit < 0 ? largest + 1 : limit, bytes) && (limit >= 0 || bytes.size() <= largest);
  }
  ::close(fd);
  if (!ok) return std::nullopt;
  return bytes;
}

}  // namespace fw
