#pragma once
// The bell where the toolkit's display has none: on Wayland the toolkit rings nothing,
// and an alarm that beeps once a second would be silent (framework-internal).
#include <string>

namespace fw::internal {

// A short tone, as the bytes of a WAV file.
std::string BellToneWav();

// Plays the tone through the sound player (sound_gstreamer.h), loading it on the
// first ring; silent where it cannot play, as a custom sound is.
void RingBellTone();

}  // namespace fw::internal
