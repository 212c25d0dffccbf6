#pragma once
// A sound file played through GStreamer, loaded by name on the first play and never
// linked: a program that plays no sound maps none of it. Without GStreamer, without a
// plugin for the file's format or without an output device, playing is silent and the
// sound simply is not playing.
#include <atomic>
#include <cstdint>
#include <memory>
#include <string>

#include "framework/text.h"

struct _GstElement;

namespace fw::internal {

// The version of the library the program was built against, as the system names it.
extern const char kSoundLibrary[];

// Larger AIFF files are not played: each is read whole to be converted.
constexpr int64_t kLargestAiff = int64_t{64} << 20;

// A sound that is no file: a WAV file's bytes.
struct InMemoryWav {
  std::string bytes;
};

// One file's pipeline, made on the first Start. Used from one thread only; nothing
// here waits for the sound, nor for the output device: the pipeline changes state on a
// thread of its own, and one that cannot start is told by the next Poll.
class SoundPipeline {
 public:
  // `aiff`: the file is AIFF, which plays converted to WAV (aiff_to_wav.h) as it is
  // on the first Start; one that does not convert, or is larger than kLargestAiff,
  // does not play.
  SoundPipeline(String path, bool aiff);
  explicit SoundPipeline(InMemoryWav wav);
  ~SoundPipeline();
  SoundPipeline(const SoundPipeline&) = delete;
  SoundPipeline& operator=(const SoundPipeline&) = delete;

  // From the start of the file; a looping sound starts again at each end.
  void Start(bool looping);
  void Stop();
  // Once more from the start, for a sound started again and again and never polled (the
  // bell): the pipeline is wound back where it can be rather than taken down and made
  // to play anew, which leaves a little of the player's memory behind every time.
  void PlayAgain();
  // Takes in what the pipeline reported since the last call: at the end a looping
  // sound starts again and any other stops; an error stops it. Whether it still plays.
  bool Poll();

 private:
  bool Make();
  int WavInMemory() const;
  String OpenedFile();
  void Rewind();
  bool LastsNothing() const;
  bool DrainedAnError();

  String path_;
  bool aiff_ = false;
  std::string wav_;                  // the sound itself, where it is no file
  int file_ = -1;                    // owned: what the player reads, the AIFF's samples as WAV
  _GstElement* pipeline_ = nullptr;  // owned
  bool looping_ = false;
  bool playing_ = false;
  int starts_ = 0;  // the Starts so far, the last of which is playing_
  // The last Start whose pipeline would not play, or not go back to its start: its
  // number, set from the state changes' thread.
  std::shared_ptr<std::atomic<int>> failedStart_ = std::make_shared<std::atomic<int>>(0);
};

}  // namespace fw::internal
