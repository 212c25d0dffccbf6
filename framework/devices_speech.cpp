// Speech through Qt's text-to-speech with the flite engine. The engine is made on the
// first Speak only: a machine without one stays silent and never fails.
#include <QCoreApplication>
#include <QTextToSpeech>
#include <deque>

#include "framework/devices.h"
#include "framework/sound_server_probe.h"

namespace fw {

namespace {

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
};

Voice& TheVoice() {
  static Voice v;
  return v;
}

void SpeakNextWaiting() {
  Voice& v = TheVoice();
  if (!v.engine || v.waiting.empty() || v.engine->state() == QTextToSpeech::Speaking) return;
  QString next = v.waiting.front();
  v.waiting.pop_front();
  v.engine->say(next);
}

// A sound server that does not answer is not waited for: the engine is made at a later
// Speak, once it answers.
QTextToSpeech* Engine() {
  Voice& v = TheVoice();
  if (v.tried) return v.engine;
  if (!QCoreApplication::instance() || !internal::SoundServerAnswers()) return nullptr;
  v.tried = true;
  const QStringList engines = QTextToSpeech::availableEngines();
  if (engines.isEmpty()) return nullptr;
  const QString name = engines.contains("flite") ? QStringLiteral("flite") : engines.first();
  auto* engine = new QTextToSpeech(name, QCoreApplication::instance());
  if (engine->state() == QTextToSpeech::Error) {
    delete engine;
    return nullptr;
  }
  QObject::connect(engine, &QTextToSpeech::stateChanged, engine, [](QTextToSpeech::State s) {
    if (s == QTextToSpeech::Ready) SpeakNextWaiting();
  });
  v.engine = engine;
  return engine;
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
