#include <gtest/gtest.h>

#include "text/Zahlen.h"

namespace quodral {

TEST(Rund, FesteNachkommastellenMitVorzeichen) {
    EXPECT_EQ(rund(2.0, 3), "2.000");
    EXPECT_EQ(rund(-0.0004, 3), "-0.000");
    EXPECT_EQ(rund(2.5, 0), "2");
    EXPECT_EQ(rund(3.5, 0), "4");
}

}  // namespace quodral
