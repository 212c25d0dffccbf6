// Timers and cooperative threads: merging of runs, and yields that run threads only.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QKeyEvent>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <stdexcept>

#include "framework/thread.h"
#include "framework/timer.h"

namespace {

class BodyThread : public fw::Thread {
 public:
  std::function<void()> body;
  int runs = 0, depth = 0, deepest = 0;
  void Event_Run() override {
    ++runs;
    deepest = std::max(deepest, ++depth);
    if (body) body();
    --depth;
  }
};

// Deletes itself as the last thing its body does, as a thread that ends its own life would.
class SelfEndingThread : public fw::Thread {
 public:
  explicit SelfEndingThread(bool* ended) : ended_(ended) {}
  ~SelfEndingThread() override { *ended_ = true; }
  void Event_Run() override { delete this; }

 private:
  bool* ended_;
};

// Counts the keys it gets: a yield must not deliver any.
class KeyCounter : public QWidget {
 public:
  int keys = 0;
 protected:
  void keyPressEvent(QKeyEvent*) override { ++keys; }
};

TEST(ThreadRun, RunsWhileQueuedOrRunningMergeIntoOneMoreRun) {
  BodyThread t;
  t.Run();
  t.Run();  // still queued: the same run
  EXPECT_TRUE(t.IsQueuedOrRunning());
  EXPECT_EQ(fw::PendingThreadCount(), 1);
  fw::RunPendingThreadsForTesting();
  EXPECT_EQ(t.runs, 1);
  EXPECT_FALSE(t.IsQueuedOrRunning());

  int starts = 0;
  t.body = [&] {
    if (++starts > 1) return;
    EXPECT_TRUE(t.IsQueuedOrRunning());
    t.Run();  // while running: never a second body at once...
    t.Run();
    t.Run();
    EXPECT_EQ(fw::PendingThreadCount(), 0);
  };
  t.Run();
  fw::RunPendingThreadsForTesting();
  EXPECT_EQ(t.runs, 3);  // ...but exactly one more run afterwards
  EXPECT_EQ(t.deepest, 1);
  EXPECT_EQ(fw::PendingThreadCount(), 0);
}

TEST(ThreadRun, TheEventLoopStartsQueuedBodies) {
  BodyThread t;
  t.Run();
  EXPECT_EQ(t.runs, 0);  // Run only queues
  EXPECT_TRUE(QTest::qWaitFor([&] { return t.runs == 1; }, 5000));
}

TEST(ThreadRun, AFailingBodyLeavesTheThreadReadyToRunAgain) {
  BodyThread t;
  t.body = [] { throw std::runtime_error("body fails"); };
  t.Run();
  fw::RunPendingThreadsForTesting();
  EXPECT_FALSE(t.IsQueuedOrRunning());
  t.body = nullptr;
  t.Run();
  fw::RunPendingThreadsForTesting();
  EXPECT_EQ(t.runs, 2);
}

TEST(ThreadRun, AThreadGoneBeforeItsTurnNeverRuns) {
  int ran = 0;
  {
    BodyThread t;
    t.body = [&] { ++ran; };
    t.Run();
  }
  EXPECT_EQ(fw::PendingThreadCount(), 0);
  fw::RunPendingThreadsForTesting();
  EXPECT_EQ(ran, 0);

  bool ended = false;
  (new SelfEndingThread(&ended))->Run();  // a body may end its own thread
  fw::RunPendingThreadsForTesting();
  EXPECT_TRUE(ended);
  EXPECT_EQ(fw::PendingThreadCount(), 0);
}

TEST(ThreadYield, RunsPendingThreadsButNoInputOrTicks) {
  KeyCounter widget;
  int ticks = 0;
  QTimer tick;
  QObject::connect(&tick, &QTimer::timeout, [&] { ++ticks; });
  tick.start(0);
  QCoreApplication::postEvent(&widget, new QKeyEvent(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, "a"));
  BodyThread alarm;
  alarm.Run();

  for (int step = 0; step < 3; ++step) fw::YieldToNextThread();  // a long loop of the program

  EXPECT_EQ(alarm.runs, 1);
  EXPECT_EQ(widget.keys, 0);
  EXPECT_EQ(ticks, 0);
  QCoreApplication::processEvents();  // back in the event loop both arrive
  EXPECT_EQ(widget.keys, 1);
  EXPECT_GE(ticks, 1);
}

TEST(ThreadYield, AYieldInsideABodyRunsOtherThreadsNeverItself) {
  BodyThread scan, check;
  int yields = 0;
  scan.body = [&] {
    if (yields > 0) return;
    for (; yields < 3; ++yields) {
      scan.Run();  // merged: runs again only after this body ends
      check.Run();
      fw::YieldToNextThread();
    }
  };
  scan.Run();
  fw::YieldToNextThread();
  EXPECT_EQ(scan.deepest, 1);
  EXPECT_EQ(check.runs, 3);  // once per yield
  EXPECT_EQ(scan.runs, 1);
  fw::RunPendingThreadsForTesting();
  EXPECT_EQ(scan.runs, 2);
}

TEST(ThreadYield, AThreadThatAlwaysRerunsCannotTrapAYield) {
  BodyThread busy;
  busy.body = [&] { busy.Run(); };
  busy.Run();
  fw::YieldToNextThread();
  EXPECT_EQ(busy.runs, 1);
  fw::YieldToNextThread();
  EXPECT_EQ(busy.runs, 2);
  busy.body = nullptr;
  fw::RunPendingThreadsForTesting();
  EXPECT_FALSE(busy.IsQueuedOrRunning());
}

TEST(TimerTicks, RepeatSingleShotAndOff) {
  fw::Timer t;
  int ticks = 0;
  t.OnAction = [&] { ++ticks; };
  t.SetPeriod(60000);  // only the test's ticks count
  EXPECT_EQ(t.Mode(), 2);
  t.FireForTesting();
  t.FireForTesting();
  EXPECT_EQ(ticks, 2);
  EXPECT_EQ(t.Mode(), 2);  // a repeating timer stays on

  t.SetMode(1);
  t.FireForTesting();
  EXPECT_EQ(ticks, 3);
  EXPECT_EQ(t.Mode(), 0);  // single-shot: off after its tick

  t.SetMode(7);  // no such mode
  EXPECT_EQ(t.Mode(), 0);
}

TEST(TimerTicks, ARunningActionIsNotReenteredAndFailuresAreContained) {
  fw::Timer t;
  t.SetPeriod(60000);
  int ticks = 0;
  t.OnAction = [&] {
    ++ticks;
    t.FireForTesting();  // a tick arriving while this one waits in a dialog
    throw std::runtime_error("tick fails");
  };
  t.FireForTesting();
  t.FireForTesting();
  EXPECT_EQ(ticks, 2);
}

TEST(TimerTicks, ARealTimerRepeatsWhileEnabled) {
  fw::Timer t;
  int ticks = 0;
  t.OnAction = [&] { ++ticks; };
  t.SetPeriod(5);
  t.SetEnabled(true);
  t.Reset();
  EXPECT_TRUE(QTest::qWaitFor([&] { return ticks >= 3; }, 10000));

  t.SetEnabled(false);
  const int stopped = ticks;
  QTest::qWait(30);
  EXPECT_EQ(ticks, stopped);

  t.SetEnabled(true);
  t.Reset();
  EXPECT_TRUE(QTest::qWaitFor([&] { return ticks > stopped; }, 10000));
}

TEST(TimerTicks, ASingleShotTimerTicksOnceFromTheLoop) {
  fw::Timer t;
  int ticks = 0;
  t.OnAction = [&] { ++ticks; };
  t.SetPeriod(1);
  t.SetMode(1);
  EXPECT_TRUE(QTest::qWaitFor([&] { return ticks == 1; }, 10000));
  QTest::qWait(20);
  EXPECT_EQ(ticks, 1);
  EXPECT_EQ(t.Mode(), 0);
}

}  // namespace
