// The start-up benchmark's floors: a bare Qt Widgets window of the size given, shown
// and painted, then the process ends. Arguments: width height [text]. With a text, the
// window shows it in one label of the toolkit's default font: that floor pays for the
// font system's start, which any window that shows text pays.
#include <QApplication>
#include <QLabel>
#include <QWidget>
#include <cstdlib>

#include "bench/painted_window.h"

int main(int argc, char** argv) {
  if (argc != 3 && argc != 4) return 2;
  QApplication app(argc, argv);
  QWidget window;
  window.resize(std::atoi(argv[1]), std::atoi(argv[2]));
  if (argc == 4) (new QLabel(QString::fromUtf8(argv[3]), &window))->move(10, 10);
  FirstPaintReport report([] { _exit(0); });
  window.show();
  return QApplication::exec();
}
