#pragma once

#include "SingleWindow.h"

#include <QEvent>
#include <QObject>
#include <QWidget>

#include <map>
#include <memory>
#include <string>

// The secondary windows opened from the menus (each at most once), alive as long as the main
// window. Without closing them with it, the editor or the about window would
// keep the program running, windowless, after the main window was closed.
class SecondaryWindows : public QObject {
public:
    explicit SecondaryWindows(QWidget& mainWindow) : QObject(&mainWindow), m_mainWindow(mainWindow)
    {
        mainWindow.installEventFilter(this);
    }

    // The window that the entry of that name opens; the builder given first is kept.
    SingleWindow& of(const char* entry, SingleWindow::Builder build)
    {
        std::unique_ptr<SingleWindow>& window = m_windows[entry];
        if (!window)
            window = std::make_unique<SingleWindow>(std::move(build));
        return *window;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == &m_mainWindow && event->type() == QEvent::Close) {
            for (const auto& [entry, window] : m_windows)
                window->close();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QWidget& m_mainWindow;
    std::map<std::string, std::unique_ptr<SingleWindow>> m_windows;
};
