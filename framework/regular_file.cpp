#include "framework/regular_file_qt.h"
#include "framework/regular_file.h"

#include <QFile>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <vector>

namespace fw {

namespace {

bool IsRegular(const struct stat& st) { return S_ISREG(st.st_mode); }

// Up to `size` bytes, fewer only at the end of the file; -1 on a read error.
ssize_t ReadUpTo(int fd, char* to, size_t size) {
  size_t have = 0;
  while (have < size) {
    const ssize_t got = ::read(fd, to + have, size - have);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return -1;
    if (got == 0) break;
    have += static_cast<size_t>(got);
  }
  return static_cast<ssize_t>(have);
}

// Reads up to `limit` bytes straight into `out`, given room for the `expected` bytes
// and one more, so that a file of the size it had at open ends without another
// allocation; false on a read error.
template <class Bytes>
bool ReadAll(int fd, qint64 limit, qint64 expected, Bytes& out) {
  constexpr qint64 kMore = 64 * 1024;  // room added when the file grew since
  qint64 have = 0;
  for (qint64 room = std::min(expected + 1, limit);; room = std::min(have + kMore, limit)) {
    out.resize(static_cast<size_t>(room));
    const ssize_t got = ReadUpTo(fd, out.data() + have, static_cast<size_t>(room - have));
    if (got < 0) return false;
    have += got;
    if (have < room || have == limit) break;
  }
  out.resize(static_cast<size_t>(have));
  return true;
}

// The file opened for reading when it is a regular file, `st` its status; -1
// otherwise.
int OpenRegular(const QString& path, struct stat& st) {
  if (path.isEmpty()) return -1;
  const QByteArray name = QFile::encodeName(path);
  if (::stat(name.constData(), &st) != 0 || !IsRegular(st)) return -1;
  // Not blocking even if something else took the file's place after the test above.
  const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd >= 0 && (::fstat(fd, &st) != 0 || !IsRegular(st))) {
    ::close(fd);
    return -1;
  }
  return fd;
}

template <class Bytes>
std::optional<Bytes> Read(const QString& path, qint64 limit, qint64 largest) {
  struct stat st {};
  const int fd = OpenRegular(path, st);
  if (fd < 0) return std::nullopt;
  Bytes bytes;
  const bool whole = limit < 0;
  // A file that grew since its size was taken is still read no further than allowed.
  const bool ok = (!whole || st.st_size <= largest) &&
                  ReadAll(fd, whole ? largest + 1 : limit, whole ? st.st_size : std::min<qint64>(limit, st.st_size), bytes) &&
                  (!whole || static_cast<qint64>(bytes.size()) <= largest);
  ::close(fd);
  if (!ok) return std::nullopt;
  return bytes;
}

// Reads past a UTF-8 byte-order mark at the start; false on a read error.
bool SkipByteOrderMark(int fd) {
  char head[3];
  const ssize_t got = ReadUpTo(fd, head, sizeof head);
  if (got < 0) return false;
  return (got == 3 && std::memcmp(head, "\xEF\xBB\xBF", 3) == 0) || ::lseek(fd, 0, SEEK_SET) == 0;
}

bool SameBytesToTheEnd(int a, int b) {
  constexpr size_t kPiece = 64 * 1024;
  std::vector<char> x(kPiece), y(kPiece);
  for (;;) {
    const ssize_t n = ReadUpTo(a, x.data(), kPiece);
    if (n < 0 || ReadUpTo(b, y.data(), kPiece) != n || std::memcmp(x.data(), y.data(), static_cast<size_t>(n)) != 0)
      return false;
    if (n == 0) return true;
  }
}

}  // namespace

std::optional<QByteArray> ReadRegularFile(const QString& path, qint64 limit, qint64 largest) {
  return Read<QByteArray>(path, limit, largest);
}

std::optional<std::string> ReadRegularFileAsString(const QString& path) {
  return Read<std::string>(path, -1, kLargestWholeFile);
}

std::optional<std::string> ReadWholeRegularFile(const std::string& path, int64_t largest) {
  return Read<std::string>(QString::fromStdString(path), -1, largest);
}

int OpenRegularFile(const std::string& path) {
  struct stat st {};
  return OpenRegular(QString::fromStdString(path), st);
}

bool RegularFilesHoldSameText(const QString& a, const QString& b) {
  struct stat sa {}, sb {};
  const int x = OpenRegular(a, sa);
  const int y = x < 0 ? -1 : OpenRegular(b, sb);
  const bool same = y >= 0 && SkipByteOrderMark(x) && SkipByteOrderMark(y) && SameBytesToTheEnd(x, y);
  if (x >= 0) ::close(x);
  if (y >= 0) ::close(y);
  return same;
}

}  // namespace fw
