#include <gtest/gtest.h>

#include "FakePlatform.h"
#include "progress/ProgressPlacement.h"

using namespace uninst;

TEST(ProgressPlacementTest, MovesToTheCentreRoundingTowardZeroThenPaintsOnce)
{
    fakes::FakePlatform platform;
    platform.progress.bounds = {10, 20, 290, 140};
    CentreAndPaint(platform.progress);
    // A window wider than the screen: -5 / 2 is -2, not -3.
    platform.progress.bounds = {0, 0, 1029, 767};
    CentreAndPaint(platform.progress);
    EXPECT_EQ(platform.journal, (fakes::Journal{"move 372,324", "paint", "move -2,0", "paint"}));
}
