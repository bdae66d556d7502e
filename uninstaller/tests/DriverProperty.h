#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace uninst::property {

// Choices read from a byte string (a fuzzer's input or a seeded generator's output);
// once the bytes are used up every choice is the first one.
class ChoiceStream {
public:
    ChoiceStream(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    // A number below n (n > 0).
    unsigned Below(unsigned n);
    bool OneIn(unsigned n) { return Below(n) == 0; }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

// Builds a machine (other applications' files, folders and registrations, the user's
// standard folders, shared keys) and a log drawn from the choices (roots, shared keys
// and standard folders in many spellings, "..", very long names, duplicate and empty
// entries, every section), runs the uninstaller on it against the fakes and checks
// that it removed, unregistered or lowered nothing the log does not name, never a
// shared key, a root, a standard folder or a drive root, and that it counted what it
// refused as left. Returns "" or what went wrong, with the log.
std::string RunOneCase(ChoiceStream& choices);

// RunOneCase on choices drawn from a pseudo-random generator with that seed.
std::string RunSeededCase(std::uint32_t seed);

}  // namespace uninst::property
