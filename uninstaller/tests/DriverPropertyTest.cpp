#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "DriverProperty.h"

// A fixed sample of the generated logs that the fuzz build runs by the million.
TEST(DriverPropertyTest, GeneratedLogsRemoveNothingTheyDoNotName)
{
    for (std::uint32_t seed = 0; seed < 3000; ++seed) {
        std::mt19937 random(seed);
        std::vector<std::uint8_t> bytes(600);
        for (auto& byte : bytes)
            byte = static_cast<std::uint8_t>(random());
        uninst::property::ChoiceStream choices(bytes.data(), bytes.size());
        const std::string failure = uninst::property::RunOneCase(choices);
        ASSERT_EQ(failure, "") << "seed " << seed;
    }
}
