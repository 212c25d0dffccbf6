// Sound files. A file is a sound by its first bytes (the user's choice stays valid on
// a machine without speakers); playback is Qt Multimedia's and stays silent when no
// output device exists.
#include <QAudioOutput>
#include <QCoreApplication>
#include <QMediaPlayer>
#include <QUrl>
#include <cstring>
#include <memory>

#include "framework/devices.h"
#include "framework/regular_file_qt.h"

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

// WAV, AIFF, MP3 (tagged or a bare frame), Ogg and FLAC.
bool LooksLikeSound(const QByteArray& head) {
  if (StartsWith(head, 0, "RIFF") && StartsWith(head, 8, "WAVE")) return true;
  if (StartsWith(head, 0, "FORM") && (StartsWith(head, 8, "AIFF") || StartsWith(head, 8, "AIFC")))
    return true;
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

class MediaSound : public Sound {
 public:
  explicit MediaSound(String path) : path_(std::move(path)) {}

  void Play() override { Start("play", 1); }
  void PlayLooping() override { Start("loop", QMediaPlayer::Infinite); }
  void Stop() override {
    testPlaying_ = false;
    if (Report("stop")) return;
    if (player_) player_->stop();
  }
  bool IsPlaying() const override {
    if (SoundEventHandler()) return testPlaying_;
    return player_ && player_->playbackState() == QMediaPlayer::PlayingState;
  }
  String Path() const override { return path_; }

 private:
  bool Report(const char* what) {
    if (!SoundEventHandler()) return false;
    SoundEventHandler()(String(what) + " " + path_);
    return true;
  }

  void Start(const char* what, int loops) {
    testPlaying_ = true;
    if (Report(what) || !QCoreApplication::instance()) return;
    if (!player_) {  // made on first use: a sound that never plays needs no device
      output_ = std::make_unique<QAudioOutput>();
      player_ = std::make_unique<QMediaPlayer>();
      player_->setAudioOutput(output_.get());
      player_->setSource(QUrl::fromLocalFile(QString::fromStdString(path_)));
    }
    player_->stop();
    player_->setLoops(loops);
    player_->play();
  }

  String path_;
  std::unique_ptr<QAudioOutput> output_;
  std::unique_ptr<QMediaPlayer> player_;  // after the output: it goes first
  bool testPlaying_ = false;
};

}  // namespace

std::shared_ptr<Sound> OpenAsSound(const String& path) {
  const std::optional<QByteArray> head = ReadRegularFile(QString::fromStdString(path), 12);
  if (!head || !LooksLikeSound(*head)) return nullptr;
  return std::make_shared<MediaSound>(path);
}

void SetSoundEventHandlerForTesting(std::function<void(const String&)> handler) {
  SoundEventHandler() = std::move(handler);
}

}  // namespace fw
