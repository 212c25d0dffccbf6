#pragma once
// Functions of a library the program loads when first needed rather than links
// (framework-internal): a program that never uses it maps none of it.
#include <dlfcn.h>

namespace fw::internal {

// Points `f` at the function `name` of the loaded library `handle`; false where it has none.
template <class F>
bool FindFunction(void* handle, F& f, const char* name) {
  f = reinterpret_cast<F>(::dlsym(handle, name));
  return f != nullptr;
}

}  // namespace fw::internal
