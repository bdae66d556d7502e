#pragma once

#include "FakeBrowserComponent.h"
#include "FakeFileDialog.h"
#include "FakeInputBox.h"
#include "FakeMessageBox.h"
#include "MainWindow.h"
#include "MenuBar.h"
#include "WindowServices.h"

#include <QDir>
#include <QTemporaryDir>

#include <memory>

// A main window on fake browser components, in a program folder and a
// current folder of its own, with its menu bar and the services that the
// commands are bound to. The input box and the messages are fakes.
class CommandsFixture {
public:
    CommandsFixture()
    {
        if (!m_programDir.isValid() || !m_currentDir.isValid() || !QDir::setCurrent(m_currentDir.path()))
            qFatal("no folders for the test");
        window = openWindow();
        menus = new MenuBar;
        window->setMenuBar(menus);
        services = std::make_unique<WindowServices>(WindowServices{
            *window, window->variables(), window->pageView(), window->programFolder(), messages, cd1,
            [] { return std::make_unique<FakeFileDialog>(); }, input});
    }
    ~CommandsFixture() { QDir::setCurrent(QDir::tempPath()); }

    FakeBrowserComponent& wb1() { return static_cast<FakeBrowserComponent&>(window->pageView()); }
    QString programFile(const QString& name) const { return m_programDir.filePath(name); }
    QString currentFile(const QString& name) const { return m_currentDir.filePath(name); }
    void trigger(const char* entry) { menus->entry(entry)->trigger(); }

    // A new main window on the same folders, as at the next start of the program.
    std::unique_ptr<MainWindow> openWindow() const
    {
        return std::make_unique<MainWindow>(ProgramFolder(m_programDir.path()),
                                            std::make_unique<FakeBrowserComponent>(),
                                            std::make_unique<FakeBrowserComponent>());
    }

private:
    QTemporaryDir m_programDir;
    QTemporaryDir m_currentDir;

public:
    FakeMessageBox messages;
    FakeFileDialog cd1;
    FakeInputBox input;
    std::unique_ptr<MainWindow> window;
    MenuBar* menus = nullptr;
    std::unique_ptr<WindowServices> services;
};
