// libFuzzer target for the whole first stage: each input draws a machine and a log
// (see DriverProperty.h), runs the uninstaller on the fakes, and stops on the first run
// that removed something the log does not name or kept no count of what it refused.
#include <cstdio>
#include <cstdlib>

#include "DriverProperty.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    uninst::property::ChoiceStream choices(data, size);
    const std::string failure = uninst::property::RunOneCase(choices);
    if (!failure.empty()) {
        std::fprintf(stderr, "%s", failure.c_str());
        std::abort();
    }
    return 0;
}
