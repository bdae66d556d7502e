#include "PageViewKeys.h"

#include "BrowserComponent.h"

#include <QShortcut>
#include <QWidget>

#include <utility>

void addPageViewKeys(QWidget& window, BrowserComponent& pageView)
{
    // A step that is not possible is simply not taken.
    const std::pair<QKeySequence, void (*)(BrowserComponent&)> keys[] = {
        {Qt::Key_F5, [](BrowserComponent& view) { view.refresh(); }},
        {Qt::ALT | Qt::Key_Left, [](BrowserComponent& view) { view.goBack(); }},
        {Qt::ALT | Qt::Key_Right, [](BrowserComponent& view) { view.goForward(); }},
        {Qt::Key_Escape, [](BrowserComponent& view) { view.stop(); }},
    };
    for (const auto& [key, step] : keys) {
        auto* shortcut = new QShortcut(key, &window);
        QObject::connect(shortcut, &QShortcut::activated, &pageView, [&pageView, step] { step(pageView); });
    }
}
