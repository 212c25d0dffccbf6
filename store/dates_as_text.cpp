#include "store/dates_as_text.h"

#include <array>

#include "store/globali.h"

namespace Globali {

namespace {

fw::String Joined(int32_t a, int32_t b, int32_t c) {
  return fw::Str(static_cast<int64_t>(a)) + "/" + fw::Str(static_cast<int64_t>(b)) + "/" +
         fw::Str(static_cast<int64_t>(c));
}

fw::String InOrder(int32_t order, int32_t d, int32_t m, int32_t y) {
  switch (order) {
    case 1: return Joined(d, m, y);
    case 2: return Joined(d, y, m);
    case 3: return Joined(m, d, y);
    case 4: return Joined(m, y, d);
    case 5: return Joined(y, d, m);
    case 6: return Joined(y, m, d);
    default: return "";
  }
}

}  // namespace

int32_t verificaformatodata() { return verificaformatodata(fw::ParseDate); }

int32_t verificaformatodata(const DateParser& parse) {
  int32_t found = 0;
  for (int32_t order = 1; order <= 6; ++order) {
    // A lenient parser may read a text in the wrong order as some other date; only a
    // parse that gives back the test date proves the order.
    fw::Date date(1904, 1, 1);
    if (parse(InOrder(order, 31, 12, 2000), date) && date.Day() == 31 && date.Month() == 12 &&
        date.Year() == 2000)
      found = order;
  }
  return found;
}

fw::String stringacrea(int32_t day, int32_t month, int32_t year) {
  return InOrder(formatodata, day, month, year);
}

}  // namespace Globali
