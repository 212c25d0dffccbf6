// The program's entry: the framework first, then the program's own start.
#include "app/start_up.h"
#include "framework/application.h"

int main(int argc, char** argv) {
  fw::InitFramework(argc, argv);
  return _Main();
}
