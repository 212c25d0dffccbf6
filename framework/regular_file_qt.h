#pragma once
// Reading the files the user names (sounds, pictures, data) without ever blocking
// (framework-internal).
#include <QByteArray>
#include <QString>
#include <optional>

namespace fw {

// The content of a regular file, at most `limit` bytes of it when a limit is given.
// Anything else (a FIFO, a device, a socket, a folder) is never opened, since opening
// or reading it can block for good; it answers nullopt as a missing file does.
std::optional<QByteArray> ReadRegularFile(const QString& path, qint64 limit = -1);

}  // namespace fw
