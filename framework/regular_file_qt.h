#pragma once
// Reading the files the user names (sounds, pictures, data) without ever blocking
// (framework-internal).
#include <QByteArray>
#include <QString>
#include <optional>
#include <string>

namespace fw {

// Larger than any file of the program's own, and than any picture the toolkit would
// decode: a file beyond it (a huge or sparse file chosen by mistake) is not read whole.
constexpr qint64 kLargestWholeFile = qint64{1} << 30;
constexpr qint64 kLargestPictureFile = qint64{256} << 20;

// The content of a regular file, at most `limit` bytes of it when a limit is given;
// without one, the whole file when it is at most `largest` bytes long.
// Anything else (a FIFO, a device, a socket, a folder, a file too large) is never read,
// since opening or reading it can block for good or exhaust the memory; it answers
// nullopt as a missing file does.
std::optional<QByteArray> ReadRegularFile(const QString& path, qint64 limit = -1,
                                          qint64 largest = kLargestWholeFile);
// The same, whole, in the string a text stream reads from.
std::optional<std::string> ReadRegularFileAsString(const QString& path);
// True when both are regular files with the same bytes after any UTF-8 byte-order mark
// at their start; read a piece at a time.
bool RegularFilesHoldSameText(const QString& a, const QString& b);

}  // namespace fw
