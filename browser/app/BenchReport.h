#pragma once

class BrowserComponent;
class QWidget;

// Start-up timing for scripts/bench-browser. With TAVRELLO_BENCH set to a page
// address, prints to stderr when the window is shown and when that page has
// loaded in the page view (milliseconds since the epoch), then quits.
namespace BenchReport {
void attachIfRequested(QWidget& window, BrowserComponent& pageView);
}
