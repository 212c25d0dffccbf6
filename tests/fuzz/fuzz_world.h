#pragma once
// The private folders the targets write their input into (fuzz-internal).
#include <cstddef>
#include <cstdint>
#include <string>

namespace fuzz {

void EmptyFolders();  // the application and Preferences folders, empty
std::string AppPath(const std::string& name);
std::string PrefsPath(const std::string& name);
// Beside the application where its folder cannot be written (the other place a load reads).
std::string FallbackPath(const std::string& name);
// Whether the files beside the application are read from AppPath alone (false), or also
// from FallbackPath, as for a program whose folder could not always be written (true).
void ReadBesideTheProgramToo(bool fallback);
void WriteInput(const std::string& path, const uint8_t* data, size_t size);
void WriteInput(const std::string& path, const std::string& text);
// Dates the file as last changed `seconds` after a fixed moment.
void ChangedAt(const std::string& path, int seconds);
// The file, or one of the names a copy is kept under beside it (".bak", ".bak2", ...),
// holds exactly these bytes.
bool KeptBeside(const std::string& path, const std::string& bytes);

}  // namespace fuzz
