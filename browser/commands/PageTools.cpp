#include "PageTools.h"

#include "BrowserComponent.h"
#include "FindWindow.h"
#include "MainWindow.h"
#include "PageZoom.h"
#include "SecondaryWindows.h"
#include "WindowServices.h"

#include <QShortcut>

#include <functional>
#include <utility>

void showFindWindow(WindowServices& services)
{
    SingleWindow& find = services.windows.of("f_recherche", [&services] { return new FindWindow(services.pageView); });
    find.show();
    static_cast<FindWindow*>(find.window())->focusText();
}

void bindPageTools(WindowServices& services)
{
    BrowserComponent& view = services.pageView;
    auto zoom = [&view](page_zoom::Step step) { return [&view, step] { page_zoom::apply(view, step); }; };
    const std::pair<QKeySequence, std::function<void()>> keys[] = {
        {QKeySequence::Find, [&services] { showFindWindow(services); }},
        {QKeySequence::ZoomIn, zoom(page_zoom::Step::In)},
        // The same key without Shift, where + shares it with =.
        {Qt::CTRL | Qt::Key_Equal, zoom(page_zoom::Step::In)},
        {QKeySequence::ZoomOut, zoom(page_zoom::Step::Out)},
        {Qt::CTRL | Qt::Key_0, zoom(page_zoom::Step::Normal)},
        {QKeySequence::Print, [&view] { view.print(); }},
    };
    for (const auto& [key, act] : keys) {
        auto* shortcut = new QShortcut(key, &services.window);
        QObject::connect(shortcut, &QShortcut::activated, &services.window, act);
    }
    QObject::connect(&view, &BrowserComponent::findRequested, &services.window,
                     [&services] { showFindWindow(services); });
}
