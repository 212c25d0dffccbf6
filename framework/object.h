#pragma once
// The root of the framework's objects that have names and property tables
// (windows, controls, timers, threads).
#include <cstdint>
#include "framework/text.h"

namespace fw {

// Index of a control that is not an element of a control array.
constexpr int32_t kNoArrayIndex = INT32_MIN;

class Object {
 public:
  virtual ~Object() = default;
  // The framework class name ("Timer", "EditField", ...), for messages and lookups.
  virtual String ClassName() const = 0;

  String Name;
  int32_t Index = kNoArrayIndex;
};

}  // namespace fw
