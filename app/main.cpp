// The program's entry. Start-up proper (the application object, the menu bar and the
// main window) arrives with the application shell; until then the program says so.
#include <cstdio>
#include "framework/application.h"

int main(int argc, char** argv) {
  fw::InitFramework(argc, argv);
  std::fprintf(stderr, "velqora: the application shell is not built yet\n");
  return 2;
}
