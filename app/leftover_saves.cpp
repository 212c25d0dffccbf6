#include "app/leftover_saves.h"

#include "framework/files.h"
#include "store/file_formats.h"

void RemoveLeftoverSaves() {
  namespace fmt = Globali::formats;
  const fw::FolderItem app = fw::ApplicationFolder(), prefsFolder = fw::PreferencesFolder();
  for (const fw::FolderItem& folder : {app, app.Child(fmt::kAppNotesFolder), prefsFolder.Child(fmt::kPrefsNotesFolder),
                                       prefsFolder.Child(fmt::kPrefsFolder)})
    fw::RemoveLeftoverSaves(folder);
}
