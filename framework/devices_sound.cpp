// Sound files. A file is a sound by its first bytes (the user's choice stays valid on
// a machine without speakers); playback is GStreamer's (sound_gstreamer.h), loaded on
// the first play, and stays silent when no output device exists.
#include <QCoreApplication>
#include <QPointer>
#include <QTimer>
#include <cstring>
#include <memory>

#include "framework/aiff_to_wav.h"
#include "framework/devices.h"
#include "framework/regular_file_qt.h"
#include "framework/sound_gstreamer.h"

namespace fw {

namespace {

std::function<void(const String&)>& SoundEventHandler() {
  static std::function<void(const String&)> handler;
  return handler;
}

bool StartsWith(const QByteArray& head, int at, const char* magic) {
  const int n = static_cast<int>(std::strlen(magic));
  return head.size() >= at + n && std::memcmp(head.constData() + at, magic, n) == 0;
}

// WAV, MP3 (tagged or a bare frame), Ogg and FLAC; AIFF is told by internal::IsAiff.
bool LooksLikeSound(const QByteArray& head) {
  if (StartsWith(head, 0, "RIFF") && StartsWith(head, 8, "WAVE")) return true;
  if (StartsWith(head, 0, "ID3") || StartsWith(head, 0, "OggS") || StartsWith(head, 0, "fLaC"))
    return true;
  if (head.size() >= 2) {
    const auto b0 = static_cast<unsigned char>(head[0]), b1 = static_cast<unsigned char>(head[1]);
    const bool frameSync = b0 == 0xFF && (b1 & 0xE0) == 0xE0;
    const bool validLayer = (b1 & 0x06) != 0;  // layer bits 00 are reserved
    const bool validVersion = (b1 & 0x18) != 0x08;
    return frameSync && validLayer && validVersion;
  }
  return false;
}

// How often a playing sound looks at what its pipeline reported: a looping sound
// starts again at most this long after its end.
constexpr int kPollMs = 50;

class FileSound : public Sound {
 public:
  FileSound(String path, bool aiff) : path_(std::move(path)), pipeline_(path_, aiff) {}
  ~FileSound() override { delete poll_; }

  void Play() override { Start("play", false); }
  void PlayLooping() override { Start("loop", true); }
  void Stop() override {
    testPlaying_ = false;
    if (Report("stop")) return;
    pipeline_.Stop();
    if (poll_) poll_->stop();
  }
  bool IsPlaying() const override {
    if (SoundEventHandler()) return testPlaying_;
    return pipeline_.Poll();
  }
  String Path() const override { return path_; }

 private:
  bool Report(const char* what) {
    if (!SoundEventHandler()) return false;
    SoundEventHandler()(String(what) + " " + path_);
    return true;
  }

  void Start(const char* what, bool looping) {
    testPlaying_ = true;
    if (Report(what) || !QCoreApplication::instance()) return;
    pipeline_.Start(looping);
    if (!poll_) {  // the application's: a sound kept past its end polls no more
      poll_ = new QTimer(QCoreApplication::instance());
      poll_->setInterval(kPollMs);
      QObject::connect(poll_, &QTimer::timeout, poll_, [this] {
        if (!pipeline_.Poll()) poll_->stop();
      });
    }
    poll_->start();
  }

  String path_;
  mutable internal::SoundPipeline pipeline_;  // asking whether it plays takes in its reports
  QPointer<QTimer> poll_;
  bool testPlaying_ = false;
};

}  // namespace

std::shared_ptr<Sound> OpenAsSound(const String& path) {
  const std::optional<QByteArray> head = ReadRegularFile(QString::fromStdString(path), 12);
  if (!head) return nullptr;
  const bool aiff = internal::IsAiff(std::string_view(head->constData(), head->size()));
  if (!aiff && !LooksLikeSound(*head)) return nullptr;
  return std::make_shared<FileSound>(path, aiff);
}

void SetSoundEventHandlerForTesting(std::function<void(const String&)> handler) {
  SoundEventHandler() = std::move(handler);
}

}  // namespace fw
