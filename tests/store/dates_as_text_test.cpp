// The date order probe against the framework's parser in each system order, and
// against parsers that accept more than they should; date texts in every order.
#include <gtest/gtest.h>

#include <set>

#include "framework/date.h"
#include "store/globali.h"
#include "store_fixture.h"

namespace storetest {
namespace {

class DatesAsText : public StoreTest {};

TEST_F(DatesAsText, ProbeFindsTheSystemOrder) {
  fw::SetDateOrderForTesting(fw::DateOrder::DMY);
  EXPECT_EQ(Globali::verificaformatodata(), 1);
  fw::SetDateOrderForTesting(fw::DateOrder::MDY);
  EXPECT_EQ(Globali::verificaformatodata(), 3);
  fw::SetDateOrderForTesting(fw::DateOrder::YMD);
  EXPECT_EQ(Globali::verificaformatodata(), 6);
}

TEST_F(DatesAsText, LastAcceptedOrderWinsAndNoneGivesZero) {
  auto accepting = [](std::set<std::string> texts) {
    return [texts](const fw::String& text, fw::Date& date) {
      if (!texts.count(text)) return false;
      date = fw::Date(2000, 12, 31);
      return true;
    };
  };
  EXPECT_EQ(Globali::verificaformatodata(accepting({"31/12/2000", "12/31/2000"})), 3);
  EXPECT_EQ(Globali::verificaformatodata(accepting({"31/12/2000", "31/2000/12", "12/31/2000", "12/2000/31",
                                                    "2000/31/12", "2000/12/31"})),
            6);
  EXPECT_EQ(Globali::verificaformatodata(accepting({})), 0);
}

// Mend: a lenient parser that reads a text of another order as some other date does
// not make that order the system's.
TEST_F(DatesAsText, ProbeTakesOnlyAParseThatGivesTheTestDate) {
  auto lenient = [](const fw::String& text, fw::Date& date) {
    if (text == "31/12/2000") date = fw::Date(2000, 12, 31);
    else if (text == "2000/31/12") date = fw::Date(2002, 7, 1);  // month 31 rolled over
    else return false;
    return true;
  };
  EXPECT_EQ(Globali::verificaformatodata(lenient), 1);
}

TEST_F(DatesAsText, DateTextsFollowTheOrderWithoutLeadingZeros) {
  const std::vector<std::string> expected{"", "5/3/2026", "5/2026/3", "3/5/2026", "3/2026/5", "2026/5/3", "2026/3/5", ""};
  for (int order = 0; order <= 7; ++order) {
    Globali::formatodata = order;
    EXPECT_EQ(Globali::stringacrea(5, 3, 2026), expected[static_cast<size_t>(order)]) << order;
  }
  Globali::formatodata = 1;
  EXPECT_EQ(Globali::stringacrea(9, 7, 999), "9/7/999");
  EXPECT_EQ(Globali::stringacrea(31, 2, 2026), "31/2/2026") << "not checked";
}

TEST_F(DatesAsText, EachOrderParsesBackWithTheMatchingSystemOrder) {
  for (auto [order, code] : {std::pair{fw::DateOrder::DMY, 1}, {fw::DateOrder::MDY, 3}, {fw::DateOrder::YMD, 6}}) {
    fw::SetDateOrderForTesting(order);
    Globali::formatodata = Globali::verificaformatodata();
    ASSERT_EQ(Globali::formatodata, code);
    fw::Date date;
    ASSERT_TRUE(fw::ParseDate(Globali::stringacrea(29, 2, 2024), date));
    EXPECT_EQ(date, fw::Date(2024, 2, 29));
  }
}

}  // namespace
}  // namespace storetest
