#pragma once

class BrowserComponent;
class QWidget;

// The keys of the page steps (F5, Alt+Left, Alt+Right, Esc) take them
// wherever the focus is in the window, the page view included (pages no
// longer see these keys).
void addPageViewKeys(QWidget& window, BrowserComponent& pageView);
