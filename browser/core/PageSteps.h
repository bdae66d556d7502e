#pragma once

#include <QKeyCombination>

#include <span>

class BrowserComponent;

// The four steps of the page view: back, forward, refresh and stop. Each is
// offered four ways (a button of the main window, a key anywhere in it, an
// entry of the "&Navigation" menu and, but for stop, an entry of the page's
// right-click menu), all made from this table. A step that is not possible is
// simply not taken.
namespace page_steps {

enum class Step { Back, Forward, Refresh, Stop };

struct PageStep {
    Step step;
    const char* menuName;        // the entry's object name in the "&Navigation" menu
    const char* menuCaption;     // UTF-8, "&" marks the access key
    const char* buttonName;      // the main window's button
    const char* buttonCaption;   // UTF-8
    const char* contextCaption;  // UTF-8; none: not in the right-click menu
    QKeyCombination key;
    void (*take)(BrowserComponent& pageView);
};

// In the "&Navigation" menu's order.
std::span<const PageStep> all();
const PageStep& of(Step step);

}  // namespace page_steps
