#include "framework/events_until_answered.h"

#include <QEventLoop>
#include <QTimer>

namespace fw::internal {

void RunEventsUntilAnswered(const std::atomic<bool>& answered, std::chrono::steady_clock::time_point deadline) {
  QEventLoop loop;
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, [&] {
    if (answered || std::chrono::steady_clock::now() >= deadline) loop.quit();
  });
  poll.start(20);
  loop.exec(QEventLoop::ExcludeUserInputEvents);
}

}  // namespace fw::internal
