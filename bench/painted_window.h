#pragma once
// What the start-up benchmark's children share, the program and its floor (a bare
// window) alike: the moment their first window has been painted, reported on standard
// output in one line, "painted <CLOCK_MONOTONIC ns> <width> <height> <shared libraries
// mapped>", read back by the benchmark.
#include <time.h>
#include <unistd.h>

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <fstream>
#include <functional>
#include <set>
#include <string>

inline long long MonotonicNanoseconds() {
  timespec t{};
  clock_gettime(CLOCK_MONOTONIC, &t);
  return static_cast<long long>(t.tv_sec) * 1000000000LL + t.tv_nsec;
}

// Distinct shared objects in this process's address space.
inline int SharedLibrariesMapped() {
  std::ifstream maps("/proc/self/maps");
  std::set<std::string> libraries;
  for (std::string line; std::getline(maps, line);) {
    const size_t path = line.find('/');
    if (path != std::string::npos && line.find(".so", path) != std::string::npos)
      libraries.insert(line.substr(path));
  }
  return static_cast<int>(libraries.size());
}

// From construction on, waits for the first paint of a top-level window. Painting and
// showing on screen finish within the event that paints, so the report runs as the next
// posted call, then `after`. A start that paints nothing within `limitMs` ends the
// process with exit code 1.
class FirstPaintReport : public QObject {
 public:
  explicit FirstPaintReport(std::function<void()> after, int limitMs = 60000) : after_(std::move(after)) {
    qApp->installEventFilter(this);
    QTimer::singleShot(limitMs, this, [] { _exit(1); });
  }

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::Paint || window_.isValid() || !watched->isWidgetType()) return false;
    auto* widget = static_cast<QWidget*>(watched);
    if (!widget->isWindow()) return false;
    window_ = widget->size();
    QTimer::singleShot(0, this, [this] { Report(); });
    return false;
  }

 private:
  void Report() {
    const long long painted = MonotonicNanoseconds();
    std::printf("painted %lld %d %d %d\n", painted, window_.width(), window_.height(), SharedLibrariesMapped());
    std::fflush(stdout);
    after_();
  }

  std::function<void()> after_;
  QSize window_;  // invalid until the first paint
};
