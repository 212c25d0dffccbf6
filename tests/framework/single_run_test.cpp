// The data folders a running program claims, and what is told about a file that could
// not be written.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "framework/single_run.h"
#include "framework/write_problems.h"
#include "support/test_support.h"

namespace {

using fw::FolderItem;
using fw::WriteProblem;

// Mend: only one running copy per data folder. A second holder of the same folder
// (reached here by another path to it, as another process would reach it) is refused.
TEST(DataFolders, AFolderIsClaimedByOneHolderOnly) {
  testsupport::TempFolders folders;
  const FolderItem data(folders.prefs() + "/velqora diary prefs");
  EXPECT_TRUE(fw::ClaimFolderForThisRun(data));
  EXPECT_TRUE(data.Directory()) << "created when missing";
  EXPECT_TRUE(fw::ClaimFolderForThisRun(data)) << "this run holds it already";
  std::filesystem::create_directory_symlink(data.AbsolutePath(), folders.root() + "/same folder");
  EXPECT_FALSE(fw::ClaimFolderForThisRun(FolderItem(folders.root() + "/same folder")));
  EXPECT_TRUE(fw::ClaimFolderForThisRun(FolderItem(folders.app())));
}

TEST(DataFolders, AFailedWriteIsToldByWhatStandsInItsPlace) {
  testsupport::TempFolders folders;
  const FolderItem app(folders.app());
  EXPECT_EQ(fw::WhyNotWritten(app.Child("no folder").Child("x.txt"), 10), WriteProblem::NoFolder);
  testsupport::WriteFile(folders.app() + "/a file", "x");
  EXPECT_EQ(fw::WhyNotWritten(app.Child("a file").Child("x.txt"), 10), WriteProblem::NoFolder);
  testsupport::MakeDirs(folders.app() + "/x.txt");
  EXPECT_EQ(fw::WhyNotWritten(app.Child("x.txt"), 10), WriteProblem::FolderInTheWay);
  EXPECT_EQ(fw::WhyNotWritten(app.Child("y.txt"), uint64_t{1} << 62), WriteProblem::DiskFull);
  EXPECT_EQ(fw::WhyNotWritten(app.Child("y.txt"), 10), WriteProblem::Unknown);
}

}  // namespace
