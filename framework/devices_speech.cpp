// Speech through Qt's text-to-speech with the flite engine. The engine is made on the
// first Speak only: a machine without one stays silent and never fails.
#include <QCoreApplication>
#include <QTextToSpeech>
#include <stdlib.h>
#include <unistd.h>

#include <array>
#include <chrono>
#include <cstdio>
#include <deque>

#include "framework/devices.h"
#include "framework/sound_server_probe.h"

namespace fw {

namespace {

using Clock = std::chrono::steady_clock;

// The flite engine of this Qt takes the last piece of a text's sound being empty, as it
// is for about a quarter of all texts, for a streaming error, and drops the whole text
// unheard, each time it is said. At a rate a hundredth away the pieces fall elsewhere.
constexpr std::array<double, 4> kRates = {0.0, 0.01, -0.01, 0.02};

// A text the engine has not started in this long never will be: its thread waits for
// good on a sound server that stopped answering, even once the server is back.
constexpr auto kStartTime = std::chrono::seconds(5);

std::function<void(const String&, bool)>& SpeakHandler() {
  static std::function<void(const String&, bool)> handler;
  return handler;
}

// This Qt's say() always cuts off the current speech, so texts that must not
// interrupt wait here until the engine is ready again.
struct Voice {
  QTextToSpeech* engine = nullptr;
  bool tried = false;
  std::deque<QString> waiting;
  QString saying;  // the text last given to the engine, and at which of the rates
  size_t rate = 0;
  bool started = true;  // since it was given: began, or failed
  bool sayAgain = false;
  Clock::time_point givenAt;
  bool abandoned = false;  // an engine whose thread was held was left for a new one
  bool serverGone = false;  // the engine's server was killed: it was left, none made since
};

Voice& TheVoice() {
  static Voice v;
  return v;
}

void Say(const QString& text, size_t rate) {
  Voice& v = TheVoice();
  v.saying = text;
  v.rate = rate;
  v.started = false;
  v.givenAt = Clock::now();
  v.engine->setRate(kRates[rate]);
  v.engine->say(text);
}

void SpeakNextWaiting() {
  Voice& v = TheVoice();
  if (!v.engine || v.waiting.empty() || v.engine->state() == QTextToSpeech::Speaking) return;
  QString next = v.waiting.front();
  v.waiting.pop_front();
  Say(next, 0);
}

// The toolkit's audio, cleaned up at the program's end while one of its threads is held
// by the sound server, aborts the program, and while it still streams a note it waits for
// good on its own lock; it ends without that clean-up then, as it would have ended.
// Registered once the toolkit's audio is there, so that it runs first.
void EndPastHeldAudio(int status, void*) {
  const Voice& v = TheVoice();
  const bool speaking = v.engine && v.engine->state() == QTextToSpeech::Speaking;
  if (!v.abandoned && (!v.engine || v.started) && !speaking) return;
  std::fflush(nullptr);
  ::_exit(status);
}

void EndPastHeldAudioOnceThere() {
  static const bool registered = ::on_exit(EndPastHeldAudio, nullptr) == 0;
  (void)registered;
}

void OnStateChanged(QTextToSpeech::State s) {
  Voice& v = TheVoice();
  if (s == QTextToSpeech::Speaking || s == QTextToSpeech::Error) {
    v.started = true;
    EndPastHeldAudioOnceThere();
  }
  if (s != QTextToSpeech::Ready) return;
  if (v.sayAgain) {
    v.sayAgain = false;
    Say(v.saying, v.rate + 1);
  } else {
    SpeakNextWaiting();
  }
}

// Told after the state has gone to Error, before it goes back to Ready.
void OnError(QTextToSpeech::ErrorReason reason) {
  Voice& v = TheVoice();
  v.sayAgain = reason == QTextToSpeech::ErrorReason::Playback && v.rate + 1 < kRates.size();
}

// An engine that has been given a text is never deleted: its destructor waits for its
// thread, which a sound server that stopped answering holds for good, and the program
// would wait with it.
QTextToSpeech* MakeEngine() {
  const QStringList engines = QTextToSpeech::availableEngines();
  if (engines.isEmpty()) return nullptr;
  const QString name = engines.contains("flite") ? QStringLiteral("flite") : engines.first();
  auto* engine = new QTextToSpeech(name, QCoreApplication::instance());
  if (engine->state() == QTextToSpeech::Error) {
    delete engine;
    return nullptr;
  }
  QObject::connect(engine, &QTextToSpeech::stateChanged, engine, OnStateChanged);
  QObject::connect(engine, &QTextToSpeech::errorOccurred, engine, OnError);
  return engine;
}

void LeaveEngine() {
  Voice& v = TheVoice();
  v.engine->disconnect();
  v.abandoned = true;
  EndPastHeldAudioOnceThere();
}

// The toolkit's audio, once the server it spoke through is killed, has nothing to open
// a sound with, and the engine then ends the program at its next text: so too with a
// server started again, which this toolkit's audio finds again only when it was back
// within three seconds, and never tells. So the engine is left, as one held is, and the
// program speaks no more until it is started again, as where no server runs.
bool ServerGoneUnder() {
  Voice& v = TheVoice();
  if (v.serverGone) return true;
  if (!v.engine || internal::SoundServerTakesConnections()) return false;
  LeaveEngine();
  v.engine = nullptr;
  v.waiting.clear();
  v.serverGone = true;
  return true;
}

// A sound server that does not answer is not waited for: the engine is made at a later
// Speak, once it answers; and made anew once it answers again after its thread was held.
QTextToSpeech* Engine() {
  Voice& v = TheVoice();
  if (ServerGoneUnder()) return nullptr;
  const bool held = v.engine && !v.started && Clock::now() - v.givenAt > kStartTime;
  if (v.tried && !held) return v.engine;
  if (!QCoreApplication::instance() || !internal::SoundServerAnswers()) return nullptr;
  v.tried = true;
  if (held) LeaveEngine();
  v.engine = MakeEngine();
  v.started = true;
  v.sayAgain = false;
  return v.engine;
}

}  // namespace

void Speak(const String& text, bool interrupt) {
  if (SpeakHandler()) {
    SpeakHandler()(text, interrupt);
    return;
  }
  QTextToSpeech* engine = Engine();
  if (!engine || engine->state() == QTextToSpeech::Error) return;
  Voice& v = TheVoice();
  if (interrupt) {
    v.waiting.clear();
    v.sayAgain = false;
    engine->stop();
  }
  if (text.empty()) return;
  v.waiting.push_back(QString::fromStdString(text));
  SpeakNextWaiting();
}

void SetSpeakHandlerForTesting(std::function<void(const String&, bool)> handler) {
  SpeakHandler() = std::move(handler);
}

}  // namespace fw
