#include "framework/save_errors.h"

#include <map>
#include <mutex>

namespace fw {

namespace {

struct SaveErrors {
  std::mutex lock;
  std::map<std::string, int> byPath;
};
SaveErrors& Errors() {
  static SaveErrors errors;
  return errors;
}

}  // namespace

void NoteSaveError(const std::string& path, int error) {
  SaveErrors& errors = Errors();
  const std::lock_guard<std::mutex> held(errors.lock);
  if (error == 0) errors.byPath.erase(path);
  else errors.byPath[path] = error;
}

int LastSaveError(const std::string& path) {
  SaveErrors& errors = Errors();
  const std::lock_guard<std::mutex> held(errors.lock);
  const auto found = errors.byPath.find(path);
  return found == errors.byPath.end() ? 0 : found->second;
}

}  // namespace fw
