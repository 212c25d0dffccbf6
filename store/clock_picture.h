#pragma once
// The analog clock: the clock face with two red hands, their grey shadow and a red
// hub, for a time "hh:mm".
#include "framework/graphics.h"
#include "framework/text.h"

namespace Globali {

// A new transparent 103 x 103 picture (depth 32) of orologio_analogico with the hands
// at `ora` (hours from its first two characters, minutes from its last two).
fw::Picture disegna_analogico(const fw::String& ora);

// The face at (0, 0) (when there is one) and the hands, drawn onto `g`.
void drawClock(fw::Graphics& g, const fw::Picture& face, const fw::String& ora);

}  // namespace Globali
