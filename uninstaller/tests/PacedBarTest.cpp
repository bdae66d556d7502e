#include <gtest/gtest.h>

#include "FakePlatform.h"
#include "PacedBar.h"

using namespace uninst;
using namespace uninst::fakes;

TEST(PacedBarTest, DrawsAtMostOncePerFrameAndAlwaysTheLastPosition)
{
    FakePlatform fakes;
    fakes.system.clockStep = 5;  // a move every 5 ms
    PacedBar bar(fakes.progress, fakes.system);
    for (int position = 10; position <= 100; position += 10)
        bar.Move(position);
    EXPECT_EQ(fakes.progress.bar, (std::vector<int>{40, 80}));
    bar.Finish();
    EXPECT_EQ(fakes.progress.bar, (std::vector<int>{40, 80, 100}));
}
