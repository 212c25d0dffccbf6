// An AIFF file is a FORM chunk holding chunks, each an id, a big-endian size and that
// many bytes, padded to an even length: COMM gives the format, SSND the samples. Its
// samples sit in whole bytes, left-justified, as WAV's do, so each needs only its bytes
// in WAV's little-endian order, and an 8-bit one moving from signed to WAV's unsigned.
#include "framework/aiff_to_wav.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace fw::internal {

namespace {

// Beyond any real recording: a file that claims more is damaged.
constexpr uint32_t kMostChannels = 64;
constexpr double kHighestRate = 1'000'000;
// What a WAV's sizes can count, with room for its header.
constexpr uint64_t kLargestWavData = 0xFFFFFFFFu - 64;

constexpr uint16_t kWavPcm = 1, kWavFloat = 3, kWavExtensible = 0xFFFE;
// The rest of the extensible format's sub-format GUID, after its first two bytes (the format).
constexpr std::string_view kWavGuidTail{"\x00\x00\x00\x00\x10\x00\x80\x00\x00\xAA\x00\x38\x9B\x71", 14};

struct Samples {
  uint32_t channels = 0;
  uint32_t rate = 0;
  uint32_t bytes = 0;  // of one sample
  bool isFloat = false;
  bool littleEndian = false;
  uint64_t frames = 0;    // as the format says
  std::string_view data;  // from the first sample to the end of SSND
};

// `n` bytes at `at`, which the caller has checked are there.
uint64_t BigEndian(std::string_view b, size_t at, int n) {
  uint64_t v = 0;
  for (int i = 0; i < n; ++i) v = v << 8 | static_cast<unsigned char>(b[at + i]);
  return v;
}

void PutLittleEndian(std::string& out, uint64_t v, int n) {
  for (int i = 0; i < n; ++i) out += static_cast<char>(v >> (8 * i) & 0xFF);
}

// The sample rate, an 80-bit extended float: sign, 15-bit exponent, 64-bit mantissa
// with its integer bit. 0 for a negative, infinite or NaN one.
double ExtendedFloat(std::string_view ten) {
  const auto signAndExponent = static_cast<int>(BigEndian(ten, 0, 2));
  if (signAndExponent & 0x8000 || signAndExponent == 0x7FFF) return 0;
  return std::ldexp(static_cast<double>(BigEndian(ten, 2, 8)), signAndExponent - 16383 - 63);
}

// COMM: channels, frames, bits of a sample, rate; in AIFF-C then the compression.
bool ReadFormat(std::string_view comm, bool aifc, Samples& s) {
  if (comm.size() < (aifc ? 22u : 18u)) return false;
  s.channels = static_cast<uint32_t>(BigEndian(comm, 0, 2));
  s.frames = BigEndian(comm, 2, 4);
  const uint64_t bits = BigEndian(comm, 6, 2);
  const double rate = ExtendedFloat(comm.substr(8, 10));
  const std::string_view kind = aifc ? comm.substr(18, 4) : "NONE";
  s.isFloat = kind == "fl32" || kind == "FL32" || kind == "fl64" || kind == "FL64";
  s.littleEndian = kind == "sowt";
  s.bytes = 0;  // for any other compression
  if (s.isFloat)
    s.bytes = kind[2] == '3' ? 4 : 8;
  else if (kind == "NONE" || kind == "twos" || kind == "sowt")
    s.bytes = bits >= 1 && bits <= 32 ? static_cast<uint32_t>(bits + 7) / 8 : 0;
  if (s.bytes == 0 || s.channels < 1 || s.channels > kMostChannels || !(rate >= 1 && rate <= kHighestRate))
    return false;
  s.rate = static_cast<uint32_t>(std::lround(rate));
  return true;
}

// SSND: the offset of the first sample past the block fields, the block size (for
// alignment only), then the samples.
bool ReadSoundData(std::string_view ssnd, Samples& s) {
  if (ssnd.size() < 8 || BigEndian(ssnd, 0, 4) > ssnd.size() - 8) return false;
  s.data = ssnd.substr(8 + BigEndian(ssnd, 0, 4));
  return true;
}

bool ReadChunks(std::string_view aiff, Samples& s) {
  const uint64_t formSize = BigEndian(aiff, 4, 4);
  if (formSize < 4 || formSize > aiff.size() - 8) return false;
  const std::string_view chunks = aiff.substr(12, formSize - 4);
  const bool aifc = aiff.substr(8, 4) == "AIFC";
  bool format = false, sound = false;
  for (size_t at = 0; chunks.size() - at >= 8;) {
    const uint64_t size = BigEndian(chunks, at + 4, 4);
    if (size > chunks.size() - at - 8) return false;
    const std::string_view id = chunks.substr(at, 4), body = chunks.substr(at + 8, size);
    if (id == "COMM" && !(format = ReadFormat(body, aifc, s))) return false;
    if (id == "SSND" && !(sound = ReadSoundData(body, s))) return false;
    at = std::min<uint64_t>(at + 8 + size + (size & 1), chunks.size());  // the last pad may be missing
  }
  return format && sound;
}

// Plain PCM where it serves; WAV asks for the extensible format for floats, for samples
// of more than 16 bits and for more than two channels. No speaker positions are given:
// AIFF's order is not WAV's.
std::string WavHeader(const Samples& s, uint64_t dataBytes) {
  const bool plain = !s.isFloat && s.bytes <= 2 && s.channels <= 2;
  const uint32_t fmtBytes = plain ? 16 : 40, blockAlign = s.channels * s.bytes;
  std::string h = "RIFF";
  PutLittleEndian(h, 4 + 8 + fmtBytes + 8 + dataBytes, 4);
  h += "WAVEfmt ";
  PutLittleEndian(h, fmtBytes, 4);
  PutLittleEndian(h, plain ? kWavPcm : kWavExtensible, 2);
  PutLittleEndian(h, s.channels, 2);
  PutLittleEndian(h, s.rate, 4);
  PutLittleEndian(h, uint64_t{s.rate} * blockAlign, 4);
  PutLittleEndian(h, blockAlign, 2);
  PutLittleEndian(h, s.bytes * 8, 2);
  if (!plain) {
    PutLittleEndian(h, 22, 2);             // the extension's size
    PutLittleEndian(h, s.bytes * 8, 2);    // valid bits: AIFF's padding bits are zero
    PutLittleEndian(h, 0, 4);              // channel mask
    PutLittleEndian(h, s.isFloat ? kWavFloat : kWavPcm, 2);
    h += kWavGuidTail;
  }
  h += "data";
  PutLittleEndian(h, dataBytes, 4);
  return h;
}

}  // namespace

std::string PcmWavHeader(uint32_t channels, uint32_t rate, uint32_t bytesPerSample, uint64_t dataBytes) {
  Samples s;
  s.channels = channels;
  s.rate = rate;
  s.bytes = bytesPerSample;
  return WavHeader(s, dataBytes);
}

bool IsAiff(std::string_view head) {
  return head.size() >= 12 && head.substr(0, 4) == "FORM" && (head.substr(8, 4) == "AIFF" || head.substr(8, 4) == "AIFC");
}

std::optional<std::string> AiffToWav(std::string_view aiff) {
  Samples s;
  if (!IsAiff(aiff) || !ReadChunks(aiff, s)) return std::nullopt;
  const uint64_t frameBytes = uint64_t{s.channels} * s.bytes;
  uint64_t frames = std::min<uint64_t>(s.frames, s.data.size() / frameBytes);
  // GStreamer's WAV parser gives up on a pad byte that ends the file: an odd number of
  // bytes loses its last frame, a fraction of a millisecond, rather than pad.
  if (frames * frameBytes % 2 != 0) --frames;
  const uint64_t dataBytes = frames * frameBytes;
  if (dataBytes == 0 || dataBytes > kLargestWavData) return std::nullopt;

  std::string wav = WavHeader(s, dataBytes);
  const size_t start = wav.size();
  wav.resize(start + dataBytes);
  char* out = wav.data() + start;
  const bool signedBytes = s.bytes == 1 && !s.isFloat;
  for (uint64_t i = 0; i < dataBytes; i += s.bytes) {
    for (uint32_t b = 0; b < s.bytes; ++b) out[i + b] = s.data[i + (s.littleEndian ? b : s.bytes - 1 - b)];
    if (signedBytes) out[i] = static_cast<char>(out[i] ^ 0x80);
  }
  return wav;
}

}  // namespace fw::internal
