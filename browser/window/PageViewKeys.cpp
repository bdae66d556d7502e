#include "PageViewKeys.h"

#include "BrowserComponent.h"
#include "PageSteps.h"

#include <QShortcut>
#include <QWidget>

void addPageViewKeys(QWidget& window, BrowserComponent& pageView)
{
    for (const page_steps::PageStep& step : page_steps::all()) {
        auto* shortcut = new QShortcut(QKeySequence(step.key), &window);
        QObject::connect(shortcut, &QShortcut::activated, &pageView, [&pageView, &step] { step.take(pageView); });
    }
}
