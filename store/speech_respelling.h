#pragma once
// Italian text respelt so that an English speech voice says it roughly as Italian.
#include "framework/text.h"

namespace Globali {

// Letter by letter: vowels to the English letters for their sounds, soft and hard c
// and g told apart by the next letter, h silent, z as ts. Other characters, capitals
// included, pass unchanged. Yields once per character.
fw::String parlaitaliano(const fw::String& text);

}  // namespace Globali
