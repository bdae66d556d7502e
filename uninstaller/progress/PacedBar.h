#pragma once

#include <cstdint>
#include <optional>

#include "platform/Clock.h"
#include "platform/ProgressWindow.h"

namespace uninst {

// At most 25 pictures a second, the pace of film, which a moving bar needs no more of.
// A drawing of the bar costs 3 to 4 ms under Wine: at a screen's 60 a second the bar
// would take a fifth of a walk's time.
inline constexpr std::uint32_t kFrameMs = 40;

// The progress bar of one walk over a log section, moved for every entry but drawn at
// most once a frame: each drawing of the bar costs more than removing a file. The user
// sees the same bar, since the last position always shows.
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
