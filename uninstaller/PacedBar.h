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
    // The walk starts now.
    PacedBar(ProgressWindow& window, Clock& clock) : window_(window), clock_(clock), drawnAt_(clock.Milliseconds()) {}

    // Draws the position when a frame has passed since the last drawing (or the start of
    // the walk); otherwise holds it until the next move or Finish.
    void Move(int position);
    // Draws the position held back, if any: the end of the walk.
    void Finish();

private:
    ProgressWindow& window_;
    Clock& clock_;
    std::uint32_t drawnAt_;
    std::optional<int> held_;
};

}  // namespace uninst
