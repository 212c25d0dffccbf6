#pragma once
// A private application and preferences folder, the main window replaced by a recorder
// of the store's refresh calls, message boxes and file dialogs answered by the test,
// and the shared values a store routine reads set to a known state.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <optional>
#include <string>
#include <vector>

#include "framework/date.h"
#include "framework/devices.h"
#include "framework/files.h"
#include "store/globali.h"
#include "store/window_refresh.h"
#include "support/test_support.h"

namespace storetest {

class StoreTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Globali::window::SetRefreshObserverForTesting([this](const fw::String& what) { refreshes.push_back(what); });
    fw::SetMsgBoxHandlerForTesting([this](const fw::String& text) { messages.push_back(text); });
    fw::SetFileDialogHandlerForTesting([this](const fw::FileDialogRequest& request) {
      dialogs.push_back(request);
      return dialogAnswer;
    });
    Globali::lingua = 1;
    Globali::annoload = 2026;
    Globali::anno = 2026;
    Globali::contpunta = 1;
    Globali::cercapunta = 0;
    Globali::formatodata = 1;
  }
  void TearDown() override {
    Globali::window::SetRefreshObserverForTesting(nullptr);
    fw::SetMsgBoxHandlerForTesting(nullptr);
    fw::SetFileDialogHandlerForTesting(nullptr);
    fw::SetClockForTesting(nullptr);
    fw::ResetDateOrderForTesting();
    fw::SetProgramFoldersForTesting("", "");
  }

  std::string app(const std::string& name) const { return folders.app() + "/" + name; }
  std::string prefs(const std::string& name) const { return folders.prefs() + "/" + name; }
  // The program's own folder, and the fallback where it writes when it cannot write there.
  std::string beside(const std::string& name) const { return Below(folders.root() + "/program", name); }
  std::string fallback(const std::string& name) const { return Below(folders.root() + "/data/velqora", name); }
  static std::string Below(const std::string& folder, const std::string& name) {
    return name.empty() ? folder : folder + "/" + name;
  }
  // From here on the program stands in beside(""), which cannot be written (a chmod
  // that stops only a user without privileges: see testsupport::RunsWithoutPrivileges).
  void ProgramFolderCannotBeWritten() {
    testsupport::MakeDirs(beside(""));
    ASSERT_EQ(::chmod(beside("").c_str(), 0555), 0);
    fw::SetApplicationFolderForTesting("");
    fw::SetProgramFoldersForTesting(beside(""), fallback(""));
  }

  testsupport::TempFolders folders;
  std::vector<fw::String> refreshes;
  std::vector<fw::String> messages;
  std::vector<fw::FileDialogRequest> dialogs;
  std::optional<fw::String> dialogAnswer;
};

// Text lines joined with LF and ended by one, as the store writes them.
inline std::string Lines(const std::vector<std::string>& lines) {
  std::string text;
  for (const auto& line : lines) text += line + "\n";
  return text;
}

}  // namespace storetest
