// The shared tables' array type: bounds counted from 0 and inclusive, resizing that
// keeps what stays inside, and no access outside.
#include <gtest/gtest.h>

#include "store/text_array.h"

namespace {

TEST(TextArray, RedimKeepsElementsInsideTheNewBounds) {
  Globali::TextTable t(2, 9);
  EXPECT_EQ(t.Ubound(1), 2);
  EXPECT_EQ(t.Ubound(2), 9);
  t(2, 9) = "last";
  t(1, 0) = "first";
  t.Redim(5, 9);
  EXPECT_EQ(t(2, 9), "last");
  EXPECT_EQ(t(1, 0), "first");
  EXPECT_EQ(t(5, 9), "");
  t.Redim(1, 9);
  EXPECT_EQ(t(1, 0), "first");
  EXPECT_THROW(t(2, 0), std::out_of_range);
  EXPECT_THROW(t(0, 10), std::out_of_range);
  EXPECT_THROW(t(-1, 0), std::out_of_range);
}

TEST(TextArray, OneDimension) {
  Globali::TextList l(0);
  EXPECT_EQ(l.Ubound(), 0);
  l(0) = "0";
  l.Redim(3);
  l(3) = "three";
  EXPECT_EQ(l(0), "0");
  l.Redim(1);
  EXPECT_EQ(l.Ubound(), 1);
  EXPECT_THROW(l(2), std::out_of_range);
}

}  // namespace
