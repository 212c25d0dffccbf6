// Not a check: renders the built window into a picture and saves it, for a person to
// look at. Run with --gtest_also_run_disabled_tests; VELQORA_SCREENSHOT names the file.
#include <gtest/gtest.h>

#include <cstdlib>

#include "framework/graphics.h"
#include "window_fixture.h"

namespace fin_main_test {
namespace {

TEST(Screenshot, DISABLED_SavesTheBuiltWindow) {
  fin_main::Window& w = *Built().window;
  fw::Picture shot = fw::NewPicture(w.Width(), w.Height(), 32);
  w.DrawInto(shot.GetGraphics(), 0, 0);
  const char* path = std::getenv("VELQORA_SCREENSHOT");
  EXPECT_TRUE(shot.Save(path ? path : "/tmp/fin_main.png"));
}

}  // namespace
}  // namespace fin_main_test
