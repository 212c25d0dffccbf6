// A fifth of a second of 880 Hz, softened at both ends so that it does not click:
// 16-bit mono PCM, which every player reads.
#include "framework/bell_tone.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>

#include "framework/aiff_to_wav.h"
#include "framework/sound_gstreamer.h"

namespace fw::internal {

namespace {

constexpr uint32_t kRate = 22050;
constexpr uint32_t kFrames = kRate / 5;
constexpr uint32_t kFade = kRate / 100;
constexpr double kPitch = 880;
constexpr double kLoudness = 0.4 * 32767;

}  // namespace

std::string BellToneWav() {
  std::string wav = PcmWavHeader(1, kRate, 2, kFrames * 2);
  for (uint32_t i = 0; i < kFrames; ++i) {
    const double edge = std::min({1.0, double(i) / kFade, double(kFrames - 1 - i) / kFade});
    const double sample = kLoudness * edge * std::sin(2 * std::numbers::pi * kPitch * i / kRate);
    const auto bits = static_cast<uint16_t>(static_cast<int16_t>(std::lround(sample)));
    wav += static_cast<char>(bits & 0xFF);  // little-endian
    wav += static_cast<char>(bits >> 8);
  }
  return wav;
}

void RingBellTone() {
  // Never destroyed: at the process's end the player's library may be gone before it.
  static SoundPipeline* const bell = new SoundPipeline(InMemoryWav{BellToneWav()});
  bell->PlayAgain();
}

}  // namespace fw::internal
