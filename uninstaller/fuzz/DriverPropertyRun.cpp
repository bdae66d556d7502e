// Runs the driver property test over a range of seeds, as fast as the build allows,
// and reports how many cases ran in how long. Usage:
//   uninst_driver_property COUNT [FIRST-SEED]
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "DriverProperty.h"

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s COUNT [FIRST-SEED]\n", argv[0]);
        return 2;
    }
    const unsigned long long count = std::strtoull(argv[1], nullptr, 10);
    const unsigned long long first = argc > 2 ? std::strtoull(argv[2], nullptr, 10) : 0;
    const auto start = std::chrono::steady_clock::now();
    for (unsigned long long n = 0; n < count; ++n) {
        const auto seed = static_cast<std::uint32_t>(first + n);
        const std::string failure = uninst::property::RunSeededCase(seed);
        if (!failure.empty()) {
            std::printf("seed %u failed:\n%s", seed, failure.c_str());
            return 1;
        }
        if ((n + 1) % 1000000 == 0) {
            const std::chrono::duration<double> spent = std::chrono::steady_clock::now() - start;
            std::printf("%llu cases, %.0f s\n", n + 1, spent.count());
            std::fflush(stdout);
        }
    }
    const std::chrono::duration<double> spent = std::chrono::steady_clock::now() - start;
    std::printf("%llu cases (seeds %llu to %llu) passed in %.1f s\n", count, first, first + count - 1, spent.count());
    return 0;
}
