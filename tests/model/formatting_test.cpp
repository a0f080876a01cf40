#include <gtest/gtest.h>

#include "model/number_text.hpp"
#include "model/time_format.hpp"

namespace kestrova {
TEST(FormatTime, Smoke) {
    EXPECT_EQ(FormatTime(12.34), "      12.3");
}
}  // namespace kestrova
