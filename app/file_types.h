#pragma once
// The program's two file types. They are registered once at start-up so that the
// types are known by name; the file dialogs name a type by text ("text" for the
// exports, "special/any" for the sound and picture choosers), and no routine reads
// these objects back.
#include "framework/text.h"

namespace FileTypes {

struct FileType {
  fw::String Name;
  fw::String Extensions;  // each with its dot, separated by ";"
  fw::String MacType;
  fw::String MacCreator;
};

extern FileType pTextPlain;
extern FileType pSpecialAny;

// Fills both, text/plain first.
void _Initialize();

}  // namespace FileTypes
