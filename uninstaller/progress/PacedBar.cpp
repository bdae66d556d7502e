#include "progress/PacedBar.h"

namespace uninst {

void PacedBar::Move(int position)
{
    const std::uint32_t now = clock_.Milliseconds();
    if (now - drawnAt_ < kFrameMs) {
        held_ = position;
        return;
    }
    window_.SetBar(position);
    drawnAt_ = now;
    held_.reset();
}

void PacedBar::Finish()
{
    if (held_)
        window_.SetBar(*held_);
    held_.reset();
}

}  // namespace uninst
