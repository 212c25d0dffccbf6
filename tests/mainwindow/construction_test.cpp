// Construction of the main window: every member in its place, every blob well formed
// and in its class's order, the pictures before the blobs, the bindings in table order.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

#include "framework/controls.h"
#include "framework/properties.h"
#include "framework/window.h"
#include "mainwindow/layout/blob_encoders.h"
#include "mainwindow/layout/creation_plan.h"
#include "mainwindow/layout/designs.h"
#include "window_fixture.h"

namespace fin_main_test {
namespace {

std::vector<int> IdsOf(const std::vector<fw::BlobEntry>& entries) {
  std::vector<int> ids;
  for (const auto& e : entries) ids.push_back(e.id);
  return ids;
}

TEST(Construction, FillsEveryPositionWithAMemberFoundByNameAndIndex) {
  fin_main::Window& w = *Built().window;
  ASSERT_EQ(w.MemberCount(), 215u);
  const auto& plan = fin_main::layout::CreationPlan();
  ASSERT_EQ(plan.size(), 215u);
  std::set<std::string> labels;
  for (size_t p = 0; p < w.MemberCount(); ++p) {
    const fw::Object& m = w.MemberAt(p);
    EXPECT_EQ(plan[p].position, static_cast<int>(p + 1));
    EXPECT_EQ(m.Name, plan[p].name) << "position " << p + 1;
    EXPECT_EQ(m.Index, plan[p].index) << "position " << p + 1;
    const fw::Object* found = m.Index == fw::kNoArrayIndex ? w.ControlByName(m.Name)
                                                           : w.ControlByNameIndex(m.Name, m.Index);
    EXPECT_EQ(found, &m) << MemberLabel(m);
    labels.insert(MemberLabel(m));
  }
  EXPECT_EQ(labels.size(), 215u);
  // Arrays numbered from 1 have no element 0.
  EXPECT_EQ(w.ControlByNameIndex("mese_scegli", 0), nullptr);
  EXPECT_EQ(w.ControlByNameIndex("RadioBlingua", 0), nullptr);
  EXPECT_EQ(w.ControlByNameIndex("Canvalingua", 0), nullptr);
}

TEST(Construction, EveryBlobDecodesToItsEndInItsClassOrder) {
  fin_main::Window& w = *Built().window;
  const fin_main::layout::Blob windowBlob = fin_main::layout::Encode(fin_main::layout::fin_mainWindow());
  EXPECT_EQ(IdsOf(fw::DecodeBlob(w, windowBlob.data(), windowBlob.size())), DesignBlobOrder().at("Window"));
  for (const auto& m : fin_main::layout::CreationPlan()) {
    const fw::Object& member = w.MemberAt(static_cast<size_t>(m.position - 1));
    const std::string cls = fw::PropertyTableOf(member).className;
    ASSERT_TRUE(DesignBlobOrder().count(cls)) << cls;
    EXPECT_EQ(IdsOf(fw::DecodeBlob(member, m.blob.data(), m.blob.size())), DesignBlobOrder().at(cls))
        << MemberLabel(member);
  }
}

TEST(Construction, Applies216BlobsOf215DistinctOnes) {
  fin_main::Window& w = *Built().window;
  EXPECT_EQ(w.BlobApplications(), 216);
  std::set<fin_main::layout::Blob> distinct{fin_main::layout::Encode(fin_main::layout::fin_mainWindow())};
  for (const auto& m : fin_main::layout::CreationPlan()) distinct.insert(m.blob);
  EXPECT_EQ(distinct.size(), 215u);
  // The two alarm threads share theirs.
  const auto& plan = fin_main::layout::CreationPlan();
  EXPECT_EQ(plan[213].blob, plan[214].blob);
}

TEST(Construction, SetsEachPictureBeforeItsBlobAndBindsAfterIt) {
  std::map<const fw::Object*, std::vector<std::string>> stepsOf;
  for (const Step& s : Built().steps) stepsOf[s.member].push_back(s.step);
  ASSERT_EQ(stepsOf.size(), 215u);
  int withPicture = 0;
  for (auto& [member, steps] : stepsOf) {
    ASSERT_GE(steps.size(), 2u);
    EXPECT_EQ(steps[0], "add") << MemberLabel(*member);
    size_t blobAt = steps[1] == "picture" ? 2 : 1;
    if (blobAt == 2) ++withPicture;
    EXPECT_EQ(steps[blobAt], "blob") << MemberLabel(*member);
    for (size_t i = blobAt + 1; i < steps.size(); ++i)
      EXPECT_EQ(steps[i].rfind("bind ", 0), 0u) << MemberLabel(*member);
  }
  // Three shadows, twelve month buttons, the search button, nine contact icons, three
  // flags and the selected-day ring.
  EXPECT_EQ(withPicture, 29);
  // Members are created one after the other, never interleaved.
  const fw::Object* previous = nullptr;
  std::set<const fw::Object*> done;
  for (const Step& s : Built().steps) {
    if (s.member != previous) {
      EXPECT_FALSE(done.count(s.member)) << MemberLabel(*s.member);
      if (previous) done.insert(previous);
      previous = s.member;
    }
  }
}

TEST(Construction, Makes142BindingsInTableOrder) {
  fin_main::Window& w = *Built().window;
  const auto& bindings = w.EventBindings();
  ASSERT_EQ(bindings.size(), 142u);
  std::map<std::string, std::vector<std::string>> eventsOf;
  std::map<std::string, int> perEvent;
  for (const auto& b : bindings) {
    eventsOf[MemberLabel(*b.member)].push_back(b.eventName);
    ++perEvent[b.eventName];
  }
  using V = std::vector<std::string>;
  EXPECT_EQ(eventsOf["ListBox1"], (V{"SortColumn", "CellClick"}));
  for (int k = 0; k <= 6; ++k)
    EXPECT_EQ(eventsOf["nota_campo(" + std::to_string(k) + ")"],
              (V{"MouseDown", "TextChange", "LostFocus", "KeyDown"}));
  for (int j = 0; j <= 9; ++j)
    EXPECT_EQ(eventsOf["contatto_campo(" + std::to_string(j) + ")"], (V{"TextChange", "KeyDown"}));
  EXPECT_EQ(eventsOf["Timer1"], (V{"Action"}));
  EXPECT_EQ(eventsOf["ContextualMenu1"], (V{"Action"}));
  EXPECT_EQ(perEvent["Action"], 5 + 4 + 12 + 5 + 1 + 1);
  EXPECT_EQ(perEvent["MouseDown"], 7 + 9 + 9 + 3 + 42);
  EXPECT_EQ(perEvent["KeyDown"], 7 + 1 + 10);
  // Members that bind nothing.
  for (const char* none : {"Canvas1", "Rectangle1", "Rectangle8", "Line17", "segnapuntato",
                           "ProgressBar1", "trovasveglia", "timerizza", "segnanota(3)",
                           "day_testo(20)", "mese_label", "CUS"})
    EXPECT_FALSE(eventsOf.count(none)) << none;
}

TEST(Construction, BoundEventReachesTheWindowsHandler) {
  fin_main::Window& w = *Built().window;
  // A click on the profession label reaches its handler and changes nothing.
  auto& label = w.Member<fw::StaticText>("statex", 1);
  EXPECT_TRUE(label.IsEventBound("MouseDown"));
  EXPECT_FALSE(label._RaiseMouse("MouseDown", 3, 4));  // every handler answers false
  EXPECT_FALSE(w.Member<fw::Oval>("segnanota", 41).IsEventBound("MouseDown"));
}

TEST(Construction, TiesTheTimerAndTheThreadsToTheWindow) {
  fin_main::Window& w = *Built().window;
  for (const char* name : {"Timer1", "trovasveglia", "timerizza"}) {
    auto* child = dynamic_cast<fw::PaneChild*>(w.ControlByName(name));
    ASSERT_NE(child, nullptr) << name;
    EXPECT_EQ(child->Window(), &w) << name;
  }
}

}  // namespace
}  // namespace fin_main_test
