#pragma once
// Reading a file the user names, for the framework's Qt-free sources: the same reading
// as regular_file_qt.h's (framework-internal).
#include <cstdint>
#include <optional>
#include <string>

namespace fw {

// The whole of the regular file at `path` when it is at most `largest` bytes long;
// nullopt for anything else (missing, not a regular file, larger, unreadable).
std::optional<std::string> ReadWholeRegularFile(const std::string& path, int64_t largest);

// The regular file at `path` opened for reading (the caller closes it), without ever
// blocking; -1 for anything else (missing, a FIFO, a device, a folder, unreadable).
int OpenRegularFile(const std::string& path);

}  // namespace fw
