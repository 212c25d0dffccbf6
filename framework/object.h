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

  // Framework-internal: a property blob starts (true) or has ended (false) being
  // applied to this object. A control may show what several of its properties change
  // together once, at the end.
  virtual void _ApplyingProperties(bool /*started*/) {}
};

}  // namespace fw
