#pragma once

namespace fw::internal {

// Makes the application's style (the desktop's own) hand out the menu bar's overflow
// icons read on first use rather than when asked for. Called once, after the
// application object.
void UseLazyStandardIcons();

}  // namespace fw::internal
