#include "framework/memory_staged_save.h"

#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

#include "framework/whole_save.h"

namespace fw {

MemoryStagedSave::MemoryStagedSave(std::string path) : path_(std::move(path)) {}

MemoryStagedSave::~MemoryStagedSave() {
  if (memory_ >= 0) ::close(memory_);
}

bool MemoryStagedSave::Suits(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) != 0 || S_ISREG(st.st_mode);
}

std::string MemoryStagedSave::MemoryName() {
  if (memory_ < 0) memory_ = ::memfd_create("velqora-printed.pdf", MFD_CLOEXEC);
  return memory_ < 0 ? std::string() : "/proc/self/fd/" + std::to_string(memory_);
}

bool MemoryStagedSave::Commit() {
  if (memory_ < 0) return false;
  WholeSave save(path_);
  if (!save.Open()) return false;
  char chunk[64 * 1024];
  for (off_t at = 0;;) {
    const ssize_t got = ::pread(memory_, chunk, sizeof chunk, at);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return false;
    if (got == 0) break;
    if (!save.Write(std::string_view(chunk, static_cast<size_t>(got)))) return false;
    at += got;
  }
  return save.Commit();
}

}  // namespace fw
