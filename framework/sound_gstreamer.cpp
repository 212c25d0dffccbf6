// Sound files through GStreamer's playbin, which picks the decoder by the file's content
// and the desktop's output device. Includes no Qt header, as GLib's do not mix with Qt's
// keywords. The headers give the functions' types; the functions themselves are looked
// up in the library at run time.
#include "framework/sound_gstreamer.h"

#include <dlfcn.h>
#include <gst/gst.h>
#include <sys/mman.h>
#include <unistd.h>

#include <atomic>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>
#include <utility>

#include "framework/aiff_to_wav.h"
#include "framework/regular_file.h"
#include "framework/whole_save.h"

namespace fw::internal {

const char kSoundLibrary[] = VELQORA_SOUND_LIBRARY;

namespace {

// Every function of GStreamer and its GLib stack that is called here.
#define VELQORA_GST_FUNCTIONS(F)                                                                  \
  F(gst_init_check) F(gst_element_factory_make) F(gst_filename_to_uri) F(gst_element_set_state) \
  F(gst_element_seek_simple) F(gst_element_get_bus) F(gst_bus_pop_filtered) F(gst_message_unref) \
  F(gst_object_unref) F(g_object_set) F(g_free) F(g_error_free) F(gst_element_query_duration)

// The library, loaded and started on the first play for the rest of the process
// (GLib's types cannot be unloaded); unusable when it is missing or fails to start.
class Gst {
 public:
  Gst() {
    void* handle = ::dlopen(kSoundLibrary, RTLD_NOW | RTLD_LOCAL);
    if (!handle) return;
#define VELQORA_LOOK_UP(name)                                           \
  name = reinterpret_cast<decltype(name)>(::dlsym(handle, #name)); \
  if (!name) return;
    VELQORA_GST_FUNCTIONS(VELQORA_LOOK_UP)
#undef VELQORA_LOOK_UP
    GError* error = nullptr;
    usable_ = gst_init_check(nullptr, nullptr, &error);
    if (error) g_error_free(error);
  }
  bool Usable() const { return usable_; }

#define VELQORA_DECLARE(name) decltype(&::name) name = nullptr;
  VELQORA_GST_FUNCTIONS(VELQORA_DECLARE)
#undef VELQORA_DECLARE

 private:
  bool usable_ = false;
};

const Gst& Library() {
  static const Gst gst;
  return gst;
}

// Where the pipelines change state. A change waits for the output device: a sound
// server that takes connections but never answers (stopped, or hung) holds each one
// for half a minute and more, and on the program's thread the clock and the reminder
// window would stop with it. One thread does every change in the order asked, so a
// sound stopped right after it started ends stopped. It is never ended: at the
// process's end it may still be waiting for the server.
class StateChanges {
 public:
  static void Ask(std::function<void()> change) {
    static StateChanges* const changes = new StateChanges;
    {
      const std::lock_guard<std::mutex> lock(changes->mutex_);
      changes->waiting_.push_back(std::move(change));
    }
    changes->wake_.notify_one();
  }

 private:
  StateChanges() { std::thread([this] { Run(); }).detach(); }
  void Run() {
    for (;;) {
      std::unique_lock<std::mutex> lock(mutex_);
      wake_.wait(lock, [this] { return !waiting_.empty(); });
      std::function<void()> change = std::move(waiting_.front());
      waiting_.pop_front();
      lock.unlock();
      change();
    }
  }

  std::mutex mutex_;
  std::condition_variable wake_;
  std::deque<std::function<void()>> waiting_;
};

}  // namespace

SoundPipeline::SoundPipeline(String path, bool aiff) : path_(std::move(path)), aiff_(aiff) {}
SoundPipeline::SoundPipeline(InMemoryWav wav) : wav_(std::move(wav.bytes)) {}

// The player may still read the file until it is taken down, so the file goes after it.
SoundPipeline::~SoundPipeline() {
  StateChanges::Ask([pipeline = pipeline_, file = file_] {
    if (pipeline) {
      Library().gst_element_set_state(pipeline, GST_STATE_NULL);
      Library().gst_object_unref(pipeline);
    }
    if (file >= 0) ::close(file);
  });
}

namespace {

// A file in memory holding `wav`, gone with the process however it ends; -1 when
// there is none.
int InMemory(const std::string& wav) {
  const int memory = ::memfd_create("velqora-sound.wav", MFD_CLOEXEC);
  if (memory >= 0 && !WriteAll(memory, wav)) {
    ::close(memory);
    return -1;
  }
  return memory;
}

}  // namespace

// GStreamer's AIFF parser comes with a large set of plugins we do not install, so an
// AIFF file plays as WAV from a file in memory; -1 when the file does not convert.
int SoundPipeline::WavInMemory() const {
  const std::optional<std::string> aiff = ReadWholeRegularFile(path_, kLargestAiff);
  const std::optional<std::string> wav = aiff ? AiffToWav(*aiff) : std::nullopt;
  return wav ? InMemory(*wav) : -1;
}

// The name the player opens the sound by (and so seeks in freely), which stays with
// what was opened here: a file replaced since by a FIFO or a device, which the player
// would wait on for good and the whole program with it, is never handed over. Empty
// when there is nothing to play.
String SoundPipeline::OpenedFile() {
  if (file_ < 0) file_ = !wav_.empty() ? InMemory(wav_) : aiff_ ? WavInMemory() : OpenRegularFile(path_);
  return file_ < 0 ? String() : "/proc/self/fd/" + std::to_string(file_);
}

bool SoundPipeline::Make() {
  if (pipeline_) return true;
  const Gst& g = Library();
  if (!g.Usable()) return false;
  const String file = OpenedFile();
  if (file.empty()) return false;
  gchar* uri = g.gst_filename_to_uri(file.c_str(), nullptr);
  if (!uri) return false;
  pipeline_ = g.gst_element_factory_make("playbin", nullptr);
  if (pipeline_) g.g_object_set(pipeline_, "uri", uri, nullptr);
  g.g_free(uri);
  return pipeline_ != nullptr;
}

void SoundPipeline::Start(bool looping) {
  looping_ = looping;
  playing_ = false;
  if (!Make()) return;
  // Down to nothing first: the sound starts from the beginning. The bus forgets the
  // end or the error of the previous play here already, as no Poll may take it for this one's.
  while (DrainedAnError()) {
  }
  playing_ = true;
  const int start = ++starts_;
  StateChanges::Ask([pipeline = pipeline_, start, failed = failedStart_] {
    Library().gst_element_set_state(pipeline, GST_STATE_NULL);
    if (Library().gst_element_set_state(pipeline, GST_STATE_PLAYING) == GST_STATE_CHANGE_FAILURE) *failed = start;
  });
}

void SoundPipeline::Stop() {
  playing_ = false;
  if (pipeline_)
    StateChanges::Ask([pipeline = pipeline_] { Library().gst_element_set_state(pipeline, GST_STATE_NULL); });
}

void SoundPipeline::PlayAgain() {
  if (!playing_ || *failedStart_ == starts_ || DrainedAnError()) return Start(false);
  looping_ = false;
  Rewind();
}

// Empties the bus, which no Poll reads for a sound played again this way; whether it
// held an error (no decoder, no output device), after which only a new start can play.
bool SoundPipeline::DrainedAnError() {
  const Gst& g = Library();
  GstBus* bus = g.gst_element_get_bus(pipeline_);
  GstMessage* error = g.gst_bus_pop_filtered(bus, GST_MESSAGE_ERROR);  // every other message is dropped
  if (error) g.gst_message_unref(error);
  g.gst_object_unref(bus);
  return error != nullptr;
}

// With the state changes: the seek flushes the output, which waits for the device as
// they do. One that fails takes the sound down, and the next Poll or PlayAgain sees it.
void SoundPipeline::Rewind() {
  StateChanges::Ask([pipeline = pipeline_, start = starts_, failed = failedStart_] {
    const auto flags = static_cast<GstSeekFlags>(GST_SEEK_FLAG_FLUSH | GST_SEEK_FLAG_KEY_UNIT);
    if (Library().gst_element_seek_simple(pipeline, GST_FORMAT_TIME, flags, 0)) return;
    Library().gst_element_set_state(pipeline, GST_STATE_NULL);
    *failed = start;
  });
}

// A file with no samples ends as soon as it starts: looped, it would play for good
// without a sound, and an alarm relying on it would stay silent.
bool SoundPipeline::LastsNothing() const {
  gint64 duration = -1;
  return Library().gst_element_query_duration(pipeline_, GST_FORMAT_TIME, &duration) && duration == 0;
}

bool SoundPipeline::Poll() {
  if (!playing_) return false;
  if (*failedStart_ == starts_) {
    Stop();
    return false;
  }
  const Gst& g = Library();
  GstBus* bus = g.gst_element_get_bus(pipeline_);
  while (playing_) {
    GstMessage* message =
        g.gst_bus_pop_filtered(bus, static_cast<GstMessageType>(GST_MESSAGE_EOS | GST_MESSAGE_ERROR));
    if (!message) break;
    const bool ended = GST_MESSAGE_TYPE(message) == GST_MESSAGE_EOS;
    g.gst_message_unref(message);
    if (ended && looping_ && !LastsNothing())
      Rewind();
    else
      Stop();  // at its end, or it cannot be heard (no decoder, no output device, no samples)
  }
  g.gst_object_unref(bus);
  return playing_;
}

}  // namespace fw::internal
