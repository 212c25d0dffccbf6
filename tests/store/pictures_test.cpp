// The 19 pictures: each always a picture, loaded once and shared.
#include <gtest/gtest.h>

#include "store/globali.h"

namespace {

using Accessor = fw::Picture (*)();

TEST(Pictures, EveryAccessorHandsOutOneSharedPicture) {
  const std::vector<Accessor> all{Globali::p3est, Globali::p2pri, Globali::p1inv, Globali::cerca,  Globali::c8,
                                  Globali::c7,    Globali::c6,    Globali::c5,    Globali::c4,     Globali::c3,
                                  Globali::c2,    Globali::c1,    Globali::busa,  Globali::bita,   Globali::c9,
                                  Globali::bfra,  Globali::giorno, Globali::ombra, Globali::oroana};
  for (size_t k = 0; k < all.size(); ++k) {
    const fw::Picture first = all[k]();
    ASSERT_FALSE(first.IsNull()) << "resource " << 168 + k;
    EXPECT_GT(first.Width(), 0);
    EXPECT_TRUE(all[k]() == first) << "resource " << 168 + k;
  }
}

TEST(Pictures, TransparencySetByOneUserHoldsForAll) {
  Globali::giorno().SetTransparent(1);
  EXPECT_EQ(Globali::giorno().Transparent(), 1);
  EXPECT_EQ(Globali::ombra().Transparent(), 1);
  EXPECT_EQ(Globali::oroana().Transparent(), 1);
  EXPECT_EQ(Globali::oroana().Width(), 103);
  EXPECT_EQ(Globali::oroana().Height(), 103);
}

}  // namespace
