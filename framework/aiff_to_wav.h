#pragma once
// AIFF and AIFF-C sounds rewritten as WAV, for a player that reads WAV but has no AIFF
// parser (framework-internal). Works on bytes only.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace fw::internal {

// "FORM", a size, then "AIFF" or "AIFC": how an AIFF file starts.
bool IsAiff(std::string_view head);

// The same samples as a WAV file, for uncompressed AIFF and for AIFF-C whose samples
// are integers of 1 to 32 bits, big-endian ("NONE", "twos") or little-endian ("sowt"),
// or big-endian floats ("fl32", "fl64"). The WAV's samples are an even number of
// bytes (the last frame goes when it would make them odd). Nullopt for any other
// compression and for a damaged file: one cut short or whose chunks claim more than it
// holds, without its format or its sound data, without frames, or with no channels,
// too many, or an impossible rate or sample size. Never reads outside `aiff`.
std::optional<std::string> AiffToWav(std::string_view aiff);

// The header of a plain PCM WAV file whose `dataBytes` bytes of samples follow it: one
// or two channels of little-endian integers of 1 or 2 bytes each.
std::string PcmWavHeader(uint32_t channels, uint32_t rate, uint32_t bytesPerSample, uint64_t dataBytes);

}  // namespace fw::internal
