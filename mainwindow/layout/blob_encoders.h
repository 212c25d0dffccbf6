#pragma once
// One encoder per design record: the property blob of that class, its entries in the
// order the window's blobs of that class list them.
#include <cstdint>
#include <vector>
#include "mainwindow/layout/design_records.h"

namespace fin_main::layout {

using Blob = std::vector<uint8_t>;

Blob Encode(const WindowDesign& d);
Blob Encode(const CanvasDesign& d);
Blob Encode(const RectangleDesign& d);
Blob Encode(const OvalDesign& d);
Blob Encode(const LineDesign& d);
Blob Encode(const StaticTextDesign& d);
Blob Encode(const EditFieldDesign& d);
Blob Encode(const PushButtonDesign& d);
Blob Encode(const RadioButtonDesign& d);
Blob Encode(const BevelButtonDesign& d);
Blob Encode(const ListboxDesign& d);
Blob Encode(const ProgressBarDesign& d);
Blob Encode(const ContextualMenuDesign& d);
Blob Encode(const TimerDesign& d);
Blob Encode(const ThreadDesign& d);

}  // namespace fin_main::layout
