#pragma once

class BrowserComponent;

// The page view's zoom, by steps: the levels other browsers offer, from a
// quarter to five times the page's own size.
namespace page_zoom {

enum class Step { In, Out, Normal };

// The factor one step away from `factor`; past the last level, the last level.
double next(double factor, Step step);

void apply(BrowserComponent& pageView, Step step);

}  // namespace page_zoom
