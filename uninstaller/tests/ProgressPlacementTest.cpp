#include <gtest/gtest.h>

#include "FakePlatform.h"
#include "progress/ProgressPlacement.h"

using namespace uninst;

TEST(ProgressPlacementTest, CentresWithDivisionRoundingTowardZero)
{
    const WindowOrigin centred = CentredOrigin({10, 20, 290, 140}, {1024, 768});
    EXPECT_EQ(centred.x, 372);
    EXPECT_EQ(centred.y, 324);
    // A window wider than the screen: -5 / 2 is -2, not -3.
    const WindowOrigin wide = CentredOrigin({0, 0, 1029, 767}, {1024, 768});
    EXPECT_EQ(wide.x, -2);
    EXPECT_EQ(wide.y, 0);
}

TEST(ProgressPlacementTest, MovesThenPaintsOnce)
{
    fakes::FakePlatform platform;
    CentreAndPaint(platform.progress);
    EXPECT_EQ(platform.journal, (fakes::Journal{"move 372,324", "paint"}));
}
