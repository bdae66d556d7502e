#include <gtest/gtest.h>

#include "FakePlatform.h"
#include "LogSection.h"

using namespace uninst;
using namespace uninst::fakes;

TEST(LogSectionTest, RepeatedNamesInAnySpellingTakeTheValueOfTheirFirstLine)
{
    FakePlatform fakes;
    fakes.files.AddFile(kLog, "[Icons]\r\nb=C:\\b.lnk\r\n\xC9t\xE9=C:\\x.lnk\r\nB=C:\\c.lnk\r\na=C:\\a.lnk\r\n"
                              "\xE9T\xC9=C:\\y.lnk\r\nb=C:\\d.lnk\r\n");
    const TInsFile log(kLog, fakes.files, fakes.system);
    const LogSection icons(log, "Icons", fakes.system);
    std::vector<std::string> values;
    for (std::size_t i = 0; i < icons.Count(); ++i)
        values.push_back(icons.Value(i));
    EXPECT_EQ(values,
              (std::vector<std::string>{"C:\\b.lnk", "C:\\x.lnk", "C:\\b.lnk", "C:\\a.lnk", "C:\\x.lnk", "C:\\b.lnk"}));
}
