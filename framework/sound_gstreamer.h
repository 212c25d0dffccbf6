#pragma once
// A sound file played through GStreamer, loaded by name on the first play and never
// linked: a program that plays no sound maps none of it. Without GStreamer, without a
// plugin for the file's format or without an output device, playing is silent and the
// sound simply is not playing.
#include "framework/text.h"

struct _GstElement;

namespace fw::internal {

// The version of the library the program was built against, as the system names it.
extern const char kSoundLibrary[];

// One file's pipeline, made on the first Start. Used from one thread only; nothing
// here waits for the sound.
class SoundPipeline {
 public:
  explicit SoundPipeline(String path);
  ~SoundPipeline();
  SoundPipeline(const SoundPipeline&) = delete;
  SoundPipeline& operator=(const SoundPipeline&) = delete;

  // From the start of the file; a looping sound starts again at each end.
  void Start(bool looping);
  void Stop();
  // Takes in what the pipeline reported since the last call: at the end a looping
  // sound starts again and any other stops; an error stops it. Whether it still plays.
  bool Poll();

 private:
  bool Make();
  void Rewind();

  String path_;
  _GstElement* pipeline_ = nullptr;  // owned
  bool looping_ = false;
  bool playing_ = false;
};

}  // namespace fw::internal
