#pragma once
// "vlqprefs.txt": the fifteen preference values of Globali, one per line, kept once
// beside the application and once in the Preferences folder's "velqora diary prefs".
// The line table in preferences_file.cpp is the one description of the format: the
// reader, the writer and the defaults all follow it.
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "framework/devices.h"
#include "framework/files.h"
#include "framework/graphics.h"
#include "framework/text.h"
#include "store/save_report.h"

namespace prefs {

inline constexpr char kFileName[] = "vlqprefs.txt";
inline constexpr int kLineCount = 15;

fw::FolderItem ApplicationCopy();
fw::FolderItem PreferencesCopy();

// What reading needs from the main window, so that the file's rules can be exercised
// without one.
struct WindowHooks {
  std::function<int32_t()> width, height;             // the window's size at this moment
  std::function<void(const fw::Picture&)> setBackdrop;  // the stored background picture
  std::function<void()> afterLastLine;                // the season icons (reversemonthicons)
};

// The sound and picture files the preferences name, opened the same way at start-up
// and in the preferences window. A path that does not fit on one line of the file
// names no file the preferences could keep, so it opens as nothing.
bool StorablePath(const fw::String& path);
std::shared_ptr<fw::Sound> OpenAlarmSound(const fw::FolderItem& file);  // none: no sound
// The picture in the file stretched over a new width x height picture (depth 32);
// none when the file holds no picture.
fw::Picture OpenBackgroundPicture(const fw::FolderItem& file, int32_t width, int32_t height);

// Start-up: reads the chosen copy into Globali (loading the alarm sound and the
// background picture on the way) and answers true; without a readable copy sets the
// defaults and answers false. A copy is chosen when its fifteen lines are of the kinds
// the program writes: of two such copies that differ the one written last, the
// Preferences copy when they are as recent; of two damaged copies the one with more
// such lines; a copy a save would replace that holds what the one used does not being
// kept aside and the user told (copy_choice.h). A short or damaged file never stops
// start-up: values out of range and missing lines take their defaults.
bool Read(const WindowHooks& hooks);
void SetDefaults();

// The fifteen lines as they are written now.
std::vector<fw::String> Lines();

// Quit: writes both copies, each on its own, so that one that cannot be written does
// not keep the other from being written. The files are readable by their owner only,
// as they hold the password.
Globali::SaveReport WriteBothCopies();
bool WriteCopy(const fw::FolderItem& file, const std::vector<fw::String>& lines);

}  // namespace prefs
