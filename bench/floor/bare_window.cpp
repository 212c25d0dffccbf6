// The start-up benchmark's floor: a bare Qt Widgets window of the size given, shown
// and painted, then the process ends. Arguments: width height.
#include <QApplication>
#include <QWidget>
#include <cstdlib>

#include "bench/painted_window.h"

int main(int argc, char** argv) {
  if (argc != 3) return 2;
  QApplication app(argc, argv);
  QWidget window;
  window.resize(std::atoi(argv[1]), std::atoi(argv[2]));
  FirstPaintReport report([] { _exit(0); });
  window.show();
  return QApplication::exec();
}
