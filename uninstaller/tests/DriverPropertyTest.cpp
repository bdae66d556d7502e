#include <gtest/gtest.h>

#include "DriverProperty.h"

// A fixed sample of the generated cases that the fuzz build runs by the million.
TEST(DriverPropertyTest, GeneratedLogsRemoveNothingTheyDoNotName)
{
    for (std::uint32_t seed = 0; seed < 3000; ++seed)
        ASSERT_EQ(uninst::property::RunSeededCase(seed), "") << "seed " << seed;
}
