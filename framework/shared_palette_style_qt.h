#pragma once

namespace fw::internal {

// Makes the application's style draw scroll bars with one palette for each set of
// colours, whichever window they are in. Called once, after the application's style.
void ShareEqualPalettes();

}  // namespace fw::internal
