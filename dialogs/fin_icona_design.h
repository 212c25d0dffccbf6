#pragma once
// The thumbnail window's design: the window's property blob; it has no controls.
#include "mainwindow/layout/blob_encoders.h"

namespace fin_icona::design {

fin_main::layout::Blob WindowBlob();

}  // namespace fin_icona::design
