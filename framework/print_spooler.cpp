#include "framework/print_spooler.h"

#include <dlfcn.h>

namespace fw {

namespace {

// IPP status codes from here on are errors; those below say the request was taken.
constexpr int kFirstErrorStatus = 0x0400;
// The library's own failure, which it words as the system error behind it: a queue
// deleted since it was listed, or a server gone, reads "No such file or directory".
constexpr int kLibraryErrorStatus = 0x0500;

}  // namespace

std::string LastSpoolerRefusal() {
  // Only the library the toolkit already loaded holds its answer: none is loaded here.
  void* handle = ::dlopen(kSpoolerLibrary, RTLD_LAZY | RTLD_NOLOAD);
  if (!handle) return {};
  auto lastError = reinterpret_cast<int (*)()>(::dlsym(handle, "cupsLastError"));
  auto lastErrorText = reinterpret_cast<const char* (*)()>(::dlsym(handle, "cupsLastErrorString"));
  std::string refusal;
  const int status = lastError ? lastError() : 0;
  if (status == kLibraryErrorStatus) {
    refusal = "the printer or its print server cannot be reached";
  } else if (status >= kFirstErrorStatus) {
    const char* text = lastErrorText ? lastErrorText() : nullptr;
    refusal = text && *text ? text : "the printer's queue refused the job";
  }
  ::dlclose(handle);
  return refusal;
}

}  // namespace fw
