// The thumbnail window as design data; the iconise command sets its size, limits and
// place before showing it.
#include "dialogs/fin_icona_design.h"

#include "mainwindow/layout/design_records.h"

namespace fin_icona::design {
namespace {

namespace layout = fin_main::layout;

layout::WindowDesign Design() {
  return {.placement = 2,  // centred on the main screen
          .width = 64,
          .height = 136,
          .minWidth = 64,
          .minHeight = 136,
          .maxWidth = 768,
          .maxHeight = 576,
          .frame = 7,  // global floating window
          .hasBackColor = false,
          .title = "",
          // Shown by the command only, at its final size and place: shown at its design
          // size and then resized, it reached a window manager at two sizes and was at
          // times painted at the first.
          .visible = false,
          .menuBarVisible = false,
          .closeButton = true,
          .resizeable = true,
          .liveResize = true,
          .maximizeButton = false,
          .minimizeButton = false};
}

}  // namespace

layout::Blob WindowBlob() { return layout::Encode(Design()); }

}  // namespace fin_icona::design
