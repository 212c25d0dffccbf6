// Every test program starts the framework headless, as the real program starts it.
#include <gtest/gtest.h>
#include <cstdlib>
#include "framework/application.h"

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  ::testing::InitGoogleTest(&argc, argv);
  fw::InitFramework(argc, argv);
  return RUN_ALL_TESTS();
}
