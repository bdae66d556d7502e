#pragma once

#include <cstdint>
#include <optional>

#include "Clock.h"
#include "ProgressWindow.h"

namespace uninst {

// One picture per frame of a 60 Hz screen.
inline constexpr std::uint32_t kFrameMs = 16;

// The progress bar of one walk over a log section, moved for every entry but drawn no
// more often than a screen shows pictures: each drawing of the bar costs more than
// removing a file. The user sees the same bar, since the last position always shows.
class PacedBar {
public:
    PacedBar(ProgressWindow& window, Clock& clock) : window_(window), clock_(clock) {}

    // Draws the position when it is the walk's first or a frame has passed since the
    // last drawing; otherwise holds it until the next move or Finish.
    void Move(int position);
    // Draws the position held back, if any: the end of the walk.
    void Finish();

private:
    ProgressWindow& window_;
    Clock& clock_;
    std::optional<std::uint32_t> drawnAt_;
    std::optional<int> held_;
};

}  // namespace uninst
