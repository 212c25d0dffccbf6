// The golden dump: after construction, one line per member in creation order with every
// design value read back through its getter, compared with a text written from the
// design independently of this code. A difference names the member and both lines.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "framework/controls.h"
#include "framework/properties.h"
#include "store/pictures.h"
#include "window_fixture.h"

namespace fin_main_test {
namespace {

// A picture read back, by the name of the accessor that hands it out.
std::string PictureName(const fw::Picture& p) {
  if (p.IsNull()) return "none";
  const std::pair<const char*, fw::Picture (*)()> kPictures[] = {
      {"p3est", Globali::p3est}, {"p2pri", Globali::p2pri}, {"p1inv", Globali::p1inv},
      {"cerca", Globali::cerca}, {"c8", Globali::c8},       {"c7", Globali::c7},
      {"c6", Globali::c6},       {"c5", Globali::c5},       {"c4", Globali::c4},
      {"c3", Globali::c3},       {"c2", Globali::c2},       {"c1", Globali::c1},
      {"busa", Globali::busa},   {"bita", Globali::bita},   {"c9", Globali::c9},
      {"bfra", Globali::bfra},   {"giorno", Globali::giorno}, {"ombra", Globali::ombra},
      {"oroana", Globali::oroana}};
  for (const auto& [name, accessor] : kPictures)
    if (accessor() == p) return name;
  return "unknown";
}

std::string Values(const fw::Object& o) {
  const fw::PropertyTable& table = fw::PropertyTableOf(o);
  std::string out;
  for (int id : DesignBlobOrder().at(table.className)) {
    auto text = fw::PropertyText(o, id);
    out += " " + table.entries.at(static_cast<size_t>(id)).name + "=" + (text ? *text : "?");
  }
  return out;
}

std::string Pictures(const fw::Object& o) {
  if (auto* canvas = dynamic_cast<const fw::Canvas*>(&o)) return " Backdrop=" + PictureName(canvas->Backdrop());
  if (auto* bevel = dynamic_cast<const fw::BevelButton*>(&o)) return " Icon=" + PictureName(bevel->Icon());
  return "";
}

std::vector<std::string> Dump(const fin_main::Window& w) {
  std::vector<std::string> lines{"000 fin_main " + w.ClassName() + Values(w)};
  for (size_t p = 0; p < w.MemberCount(); ++p) {
    const fw::Object& m = w.MemberAt(p);
    std::string position = std::to_string(p + 1);
    position.insert(0, 3 - std::min<size_t>(3, position.size()), '0');
    lines.push_back(position + " " + MemberLabel(m) + " " + m.ClassName() +
                    Pictures(m) + Values(m));
  }
  return lines;
}

std::vector<std::string> Golden() {
  std::ifstream in(std::filesystem::path(__FILE__).parent_path() / "fin_main_golden.txt");
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// Where two lines differ: the first property that differs.
std::string FirstDifference(const std::string& want, const std::string& got) {
  std::istringstream a(want), b(got);
  std::string x, y;
  while (a >> x) {
    if (!(b >> y)) return "missing " + x;
    if (x != y) return "want " + x + ", got " + y;
  }
  return b >> y ? "extra " + y : "";
}

TEST(GoldenDump, EveryMemberHoldsItsDesignValues) {
  const std::vector<std::string> want = Golden();
  ASSERT_EQ(want.size(), 216u) << "golden file missing or short";
  const std::vector<std::string> got = Dump(*Built().window);
  ASSERT_EQ(got.size(), 216u);
  int reported = 0;
  for (size_t i = 0; i < want.size() && reported < 25; ++i) {
    if (want[i] == got[i]) continue;
    ++reported;
    ADD_FAILURE() << "line " << i << ": " << FirstDifference(want[i], got[i]) << "\n  want: "
                  << want[i] << "\n  got:  " << got[i];
  }
}

}  // namespace
}  // namespace fin_main_test
