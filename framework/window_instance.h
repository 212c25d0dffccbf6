#pragma once
// The one window of a kind the program keeps at a time (a dialog, a secondary
// window): built on first use, gone once closed, built afresh by the next use.
#include "framework/window.h"

namespace fw {

template <class W>
class SingleWindow {
 public:
  // The current window; a new one, constructed (so it opens and shows), when there is
  // none or the current one has closed.
  static W& Get() {
    Slots& s = State();
    if (!s.current || s.current->IsClosed()) {
      // A closed window is kept until the next one replaces it: its own handler may
      // still be running when it closes.
      delete s.retired;
      s.retired = s.current;
      s.current = new W();
      s.current->Construct();
    }
    return *s.current;
  }

  // The open window, none when there is none.
  static W* Open() {
    W* w = State().current;
    return w && !w->IsClosed() ? w : nullptr;
  }

 private:
  // Never destroyed: no window may outlive the toolkit at exit.
  struct Slots {
    W* current = nullptr;
    W* retired = nullptr;
  };
  static Slots& State() {
    static Slots s;
    return s;
  }
};

}  // namespace fw
