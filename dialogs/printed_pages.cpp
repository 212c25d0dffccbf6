#include "dialogs/printed_pages.h"

#include "framework/controls.h"
#include "framework/text_wrap.h"
#include "framework/thread.h"
#include "mainwindow/fin_main.h"
#include "store/globali.h"

namespace stampafin {

namespace {

constexpr int kDayPitch = 110;       // one day's share of the page
constexpr int kBlockPitch = 52;      // one contact's share of the page
constexpr int kBlocksPerPage = 15;

// A day's frame, and where its note starts inside it.
constexpr int kFrameLeft = 10, kFrameTop = 24, kFrameWidth = 520, kFrameHeight = 88;
constexpr int kNoteLeft = 14, kNoteBaseline = 36;
constexpr int kTextMargin = kNoteLeft - kFrameLeft;  // kept free inside a frame's right side too
constexpr int kContactFrameLeft = 24;                // a contact's block is as wide as a day's frame

// The note wrapped to its frame's width, with the same margin on the right as on the
// left, and only the lines that end above the frame's bottom: a long note is cut at
// its frame rather than drawn over the next day or off the page.
void DrawNote(fw::PrinterGraphics& page, const fw::String& note, int y) {
  const int width = kFrameWidth - 2 * kTextMargin;
  const int step = page.TextHeight();
  const int descent = step - page.TextAscent();
  const int room = (y + kFrameTop + kFrameHeight - 1) - (y + kNoteBaseline + descent);
  const size_t fitting = room < 0 ? 1 : static_cast<size_t>(room / step + 1);
  int baseline = y + kNoteBaseline;
  for (const fw::String& line : fw::WrapText(page, note, width, fitting)) {
    if (!line.empty()) page.DrawString(line, kNoteLeft, baseline);
    baseline += step;
  }
}

// A contact's line at size 9, or in the largest smaller size that keeps it inside its
// block's frame (size 1 when none does): a long address or web address ran off the
// page and its end was lost.
void DrawContactLine(fw::PrinterGraphics& page, const fw::String& text, int x, int y) {
  const int room = kContactFrameLeft + kFrameWidth - kTextMargin - x;
  for (page.TextSize = 9; page.TextSize > 1 && page.StringWidth(text) > room;) --page.TextSize;
  page.DrawString(text, x, y);
  page.TextSize = 9;
}

}  // namespace

void PrintShownDays(fw::PrinterGraphics& page) {
  fin_main::Window& w = fin_main::fin_main();
  for (int i = 0; i <= 6; ++i) {
    const int y = kDayPitch * i;
    page.TextSize = 12;
    page.DrawString(w.Member<fw::StaticText>("day_testo", i).Text(), 14, y + 20);      // weekday
    page.DrawString(w.Member<fw::StaticText>("day_testo", i + 7).Text(), 104, y + 20);  // date
    page.TextSize = 9;
    DrawNote(page, w.Member<fw::EditField>("nota_campo", i).Text(), y);
    page.DrawRect(kFrameLeft, y + kFrameTop, kFrameWidth, kFrameHeight);
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
    page.DrawRect(kContactFrameLeft, y - 44, kFrameWidth, 48);
    page.Bold = true;
    DrawContactLine(page, field(0) + "  -  " + field(2) + " / " + field(3), 40, y - 30);
    page.Bold = false;
    DrawContactLine(page, "E-mail: " + field(7) + "  -  URL: " + field(8), 54, y - 16);
    DrawContactLine(page, "TEL: " + field(4) + "  -  FAX: " + field(5) + "  -  CELL: " + field(6), 68, y - 2);
    if (r >= kBlocksPerPage) {
      r = 0;
      page.NextPage();
    }
    fw::YieldToNextThread();
  }
}

}  // namespace stampafin
