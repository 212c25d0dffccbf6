// A fifth of a second of 880 Hz, softened at both ends so that it does not click:
// 16-bit mono PCM, which every player reads.
#include "framework/bell_tone.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>

#include "framework/sound_gstreamer.h"

namespace fw::internal {

namespace {

constexpr uint32_t kRate = 22050;
constexpr uint32_t kFrames = kRate / 5;
constexpr uint32_t kFade = kRate / 100;
constexpr double kPitch = 880;
constexpr double kLoudness = 0.4 * 32767;

void PutLittleEndian(std::string& out, uint32_t v, int n) {
  for (int i = 0; i < n; ++i) out += static_cast<char>(v >> (8 * i) & 0xFF);
}

}  // namespace

std::string BellToneWav() {
  const uint32_t dataBytes = kFrames * 2;
  std::string wav = "RIFF";
  PutLittleEndian(wav, 36 + dataBytes, 4);
  wav += "WAVEfmt ";
  PutLittleEndian(wav, 16, 4);         // the format's size
  PutLittleEndian(wav, 1, 2);          // PCM
  PutLittleEndian(wav, 1, 2);          // one channel
  PutLittleEndian(wav, kRate, 4);
  PutLittleEndian(wav, kRate * 2, 4);  // bytes a second
  PutLittleEndian(wav, 2, 2);          // bytes a frame
  PutLittleEndian(wav, 16, 2);         // bits a sample
  wav += "data";
  PutLittleEndian(wav, dataBytes, 4);
  for (uint32_t i = 0; i < kFrames; ++i) {
    const double edge = std::min({1.0, double(i) / kFade, double(kFrames - 1 - i) / kFade});
    const double sample = kLoudness * edge * std::sin(2 * std::numbers::pi * kPitch * i / kRate);
    PutLittleEndian(wav, static_cast<uint16_t>(static_cast<int16_t>(std::lround(sample))), 2);
  }
  return wav;
}

void RingBellTone() {
  // Never destroyed: at the process's end the player's library may be gone before it.
  static SoundPipeline* const bell = new SoundPipeline(InMemoryWav{BellToneWav()});
  bell->PlayAgain();
}

}  // namespace fw::internal
