#include "PageZoom.h"

#include "BrowserComponent.h"

#include <algorithm>
#include <array>

namespace page_zoom {

namespace {

constexpr std::array levels{0.25, 0.33, 0.5, 0.67, 0.75, 0.8, 0.9, 1.0, 1.1, 1.25, 1.5, 1.75, 2.0, 2.5, 3.0, 4.0, 5.0};
// Factors between levels (set by other means) step to the next level, not past it.
constexpr double slack = 0.001;

}  // namespace

double next(double factor, Step step)
{
    switch (step) {
    case Step::Normal: return 1.0;
    case Step::In: {
        const auto larger = std::find_if(levels.begin(), levels.end(), [&](double l) { return l > factor + slack; });
        return larger == levels.end() ? levels.back() : *larger;
    }
    case Step::Out: {
        const auto smaller = std::find_if(levels.rbegin(), levels.rend(), [&](double l) { return l < factor - slack; });
        return smaller == levels.rend() ? levels.front() : *smaller;
    }
    }
    return factor;
}

void apply(BrowserComponent& pageView, Step step)
{
    pageView.setZoomFactor(next(pageView.zoomFactor(), step));
}

}  // namespace page_zoom
