#include "app/leftover_saves.h"

#include <cctype>

#include "app/preferences_file.h"
#include "store/file_formats.h"

namespace {

namespace fmt = Globali::formats;

// "<year>n.txt" and "<year>f.txt", as the notes store names them.
bool IsYearFileName(const fw::String& name) {
  size_t digits = 0;
  while (digits < name.size() && std::isdigit(static_cast<unsigned char>(name[digits]))) ++digits;
  if (digits == 0 || digits > 9) return false;
  const auto year = static_cast<int32_t>(std::stol(name.substr(0, digits)));
  return name == fmt::YearNotesFileName(year) || name == fmt::YearStylesFileName(year);
}

bool IsDataFileName(const fw::String& name) {
  return name == prefs::kFileName || name == fmt::kContactsFile || name == fmt::kLanguageFile ||
         IsYearFileName(name);
}

}  // namespace

void RemoveLeftoverSaves() {
  const fw::FolderItem app = fw::ApplicationFolder(), prefsFolder = fw::PreferencesFolder();
  for (const fw::FolderItem& folder : {app, app.Child(fmt::kAppNotesFolder), prefsFolder.Child(fmt::kPrefsNotesFolder),
                                       prefsFolder.Child(fmt::kPrefsFolder)})
    fw::RemoveLeftoverSaves(folder, IsDataFileName);
}
