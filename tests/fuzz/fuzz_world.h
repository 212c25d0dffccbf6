#pragma once
// The private folders the targets write their input into (fuzz-internal).
#include <cstddef>
#include <cstdint>
#include <string>

namespace fuzz {

void EmptyFolders();  // the application and Preferences folders, empty
std::string AppPath(const std::string& name);
std::string PrefsPath(const std::string& name);
void WriteInput(const std::string& path, const uint8_t* data, size_t size);
void WriteInput(const std::string& path, const std::string& text);

}  // namespace fuzz
