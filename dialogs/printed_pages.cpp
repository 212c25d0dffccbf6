#include "dialogs/printed_pages.h"

#include "framework/controls.h"
#include "framework/thread.h"
#include "mainwindow/fin_main.h"
#include "store/globali.h"

namespace stampafin {

namespace {

constexpr int kDayPitch = 110;       // one day's share of the page
constexpr int kBlockPitch = 52;      // one contact's share of the page
constexpr int kBlocksPerPage = 15;

}  // namespace

void PrintShownDays(fw::PrinterGraphics& page) {
  fin_main::Window& w = fin_main::fin_main();
  for (int i = 0; i <= 6; ++i) {
    const int y = kDayPitch * i;
    page.TextSize = 12;
    page.DrawString(w.Member<fw::StaticText>("day_testo", i).Text(), 14, y + 20);      // weekday
    page.DrawString(w.Member<fw::StaticText>("day_testo", i + 7).Text(), 104, y + 20);  // date
    page.TextSize = 9;
    page.DrawString(w.Member<fw::EditField>("nota_campo", i).Text(), 14, y + 36);
    page.DrawRect(10, y + 24, 520, 88);
    fw::YieldToNextThread();
  }
}

// Fields 1 (profession) and 9 (notes) are not printed.
void PrintContacts(fw::PrinterGraphics& page) {
  int r = 0;
  for (int32_t k = 1; k <= Globali::contquanti; ++k) {
    auto field = [k](int f) { return Globali::contatto(k, f); };
    ++r;
    const int y = kBlockPitch * r;
    page.TextSize = 9;
    page.DrawRect(24, y - 44, 520, 48);
    page.Bold = true;
    page.DrawString(field(0) + "  -  " + field(2) + " / " + field(3), 40, y - 30);
    page.Bold = false;
    page.DrawString("E-mail: " + field(7) + "  -  URL: " + field(8), 54, y - 16);
    page.DrawString("TEL: " + field(4) + "  -  FAX: " + field(5) + "  -  CELL: " + field(6), 68, y - 2);
    if (r >= kBlocksPerPage) {
      r = 0;
      page.NextPage();
    }
    fw::YieldToNextThread();
  }
}

}  // namespace stampafin
