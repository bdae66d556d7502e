#include <gtest/gtest.h>

#include "FakePlatform.h"
#include "log/LogSection.h"

using namespace uninst;

TEST(LogSectionTest, RepeatedNamesInAnySpellingTakeTheValueOfTheirFirstLine)
{
    fakes::FakePlatform fakes;
    fakes.files.AddFile(fakes::kLog, "[Icons]\r\nb=1\r\n\xC9t\xE9=2\r\nB=3\r\na=4\r\n\xE9T\xC9=5\r\nb=6\r\n");
    const TInsFile log(fakes::kLog, fakes.files, fakes.system);
    const LogSection icons(log, kIconsSection, fakes.system);
    std::string values;
    for (std::size_t i = 0; i < icons.Count(); ++i)
        values += icons.Target(i);
    EXPECT_EQ(values, "121421");
}
