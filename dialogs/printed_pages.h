#pragma once
// The two printouts of the print dialog, laid out for an A4 portrait page in the
// page's points.
#include "framework/printing.h"

namespace stampafin {

// The seven days the main window's panel shows, with their texts as shown, framed
// one below the other on one page.
void PrintShownDays(fw::PrinterGraphics& page);

// Every contact, a framed block of three lines each, fifteen blocks to a page.
void PrintContacts(fw::PrinterGraphics& page);

}  // namespace stampafin
