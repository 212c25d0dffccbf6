// The data folders a running program claims, and what is told about a file that could
// not be written.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <set>
#include <string>

#include "framework/single_run.h"
#include "framework/write_problems.h"
#include "support/quota_disk.h"
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
  // Mend: what the place no longer shows, the failed save tells.
  const FolderItem longName = app.Child(std::string(300, 'x'));
  auto out = longName.CreateTextFile();
  ASSERT_NE(out, nullptr);
  EXPECT_FALSE(out->Close());
  EXPECT_EQ(fw::WhyNotWritten(longName, 10), WriteProblem::NameTooLong);
}

// Mend: a used-up quota, with room left on the disk, is told as such, also when it is
// met in the middle of a file or by the folder a file goes in (not as a missing
// folder); the old file stays whole, nothing is left beside it, and once the quota has
// room again the next save works.
TEST(DataFolders, AUsedUpQuotaIsToldAsSuch) {
  testsupport::QuotaDisk disk;
  if (!disk.Ready()) GTEST_SKIP() << disk.WhyNot();
  const FolderItem notes(disk.path() + "/2026n.txt");
  const auto saved = [&](const std::string& text) {
    auto out = notes.CreateTextFile();
    if (out) out->Write(text);
    return out && out->Close();
  };
  const auto names = [&] {
    std::set<std::string> found;
    for (const auto& e : std::filesystem::directory_iterator(disk.path())) found.insert(e.path().filename());
    return found;
  };
  ASSERT_TRUE(saved("old"));
  const std::string larger(1024 * 1024, 'n');  // than the whole quota
  EXPECT_FALSE(saved(larger));
  EXPECT_EQ(fw::WhyNotWritten(notes, larger.size()), WriteProblem::QuotaUsedUp);
  const std::string stick = disk.path() + "/stick";
  std::filesystem::create_directory(stick);
  ASSERT_TRUE(disk.Fill());
  EXPECT_FALSE(saved("new"));
  EXPECT_EQ(fw::WhyNotWritten(notes, 3), WriteProblem::QuotaUsedUp);
  const FolderItem unmade(disk.path() + "/velqora diary prefs");
  EXPECT_FALSE(unmade.CreateAsFolder());
  EXPECT_EQ(fw::WhyNotWritten(unmade.Child("vlqcont.txt"), 3), WriteProblem::QuotaUsedUp);
  const FolderItem onTheStick(stick + "/notes");
  EXPECT_FALSE(onTheStick.CreateAsFolder());
  EXPECT_EQ(fw::WhyNotWritten(onTheStick.Child("2026n.txt"), 3), WriteProblem::QuotaUsedUp);
  EXPECT_EQ(testsupport::ReadFile(notes.AbsolutePath()), "old");
  EXPECT_EQ(names(), (std::set<std::string>{"2026n.txt", "filler", "stick"}));

  ASSERT_TRUE(disk.Empty());
  EXPECT_TRUE(saved("new"));
  EXPECT_EQ(testsupport::ReadFile(notes.AbsolutePath()), "new");
  EXPECT_EQ(fw::WhyNotWritten(notes, 3), WriteProblem::Unknown) << "the failure before is forgotten";
  // Mend: a folder whose place went later (its stick pulled out) was still told as kept
  // from being made by the quota.
  std::filesystem::remove(stick);
  EXPECT_EQ(fw::WhyNotWritten(onTheStick.Child("2026n.txt"), 3), WriteProblem::NoFolder);
}

}  // namespace
