#pragma once

class BrowserComponent;
class QWidget;

// F5, Alt+Left, Alt+Right and Esc refresh, go back, go forward and stop the
// page view, as its menu entries and buttons do, wherever the focus is in the
// window, the page view included (pages no longer see these keys). The
// component this browser was built around answered them itself. The keys
// belong to the window, not to the menu entries, whose captions stay as they
// are.
void addPageViewKeys(QWidget& window, BrowserComponent& pageView);
