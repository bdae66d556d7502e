#pragma once

#include "SingleWindow.h"

#include <QEvent>
#include <QObject>
#include <QWidget>

#include <memory>
#include <vector>

// The secondary windows opened from the menus (each at most once), alive as long as the main
// window. Without closing them with it, the editor or the about window would
// keep the program running, windowless, after the main window was closed.
class SecondaryWindows : public QObject {
public:
    explicit SecondaryWindows(QWidget& mainWindow) : QObject(&mainWindow), m_mainWindow(mainWindow)
    {
        mainWindow.installEventFilter(this);
    }

    SingleWindow& add(SingleWindow::Builder build)
    {
        return *m_windows.emplace_back(std::make_unique<SingleWindow>(std::move(build)));
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == &m_mainWindow && event->type() == QEvent::Close) {
            for (const auto& window : m_windows)
                window->close();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QWidget& m_mainWindow;
    std::vector<std::unique_ptr<SingleWindow>> m_windows;
};
