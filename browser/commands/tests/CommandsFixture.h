#pragma once

#include "FakeBrowserComponent.h"
#include "FakeFileDialog.h"
#include "FakeInputBox.h"
#include "FakeMessageBox.h"
#include "MainWindow.h"
#include "MenuBar.h"
#include "PageFetcher.h"
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
        auto pageView = std::make_unique<FakeBrowserComponent>();
        m_wb1 = pageView.get();
        window = std::make_unique<MainWindow>(folder, variables, std::move(pageView),
                                              std::make_unique<FakeBrowserComponent>());
        menus = new MenuBar;
        window->setMenuBar(menus);
        services = std::make_unique<WindowServices>(WindowServices{*window, variables, *m_wb1, folder, messages, cd1,
                                                                   [] { return std::make_unique<FakeFileDialog>(); },
                                                                   input, inet1});
    }
    ~CommandsFixture() { QDir::setCurrent(QDir::tempPath()); }

    FakeBrowserComponent& wb1() { return *m_wb1; }
    QString programFile(const QString& name) const { return m_programDir.filePath(name); }
    QString currentFile(const QString& name) const { return m_currentDir.filePath(name); }
    void trigger(const char* entry) { menus->entry(entry)->trigger(); }

    // A new main window on the same folders, as at the next start of the program.
    std::unique_ptr<MainWindow> openWindow()
    {
        return std::make_unique<MainWindow>(folder, m_restartVariables, std::make_unique<FakeBrowserComponent>(),
                                            std::make_unique<FakeBrowserComponent>());
    }

private:
    QTemporaryDir m_programDir;
    QTemporaryDir m_currentDir;
    Variables m_restartVariables;
    FakeBrowserComponent* m_wb1 = nullptr;

public:
    ProgramFolder folder{m_programDir.path()};
    Variables variables;
    FakeMessageBox messages;
    FakeFileDialog cd1;
    FakeInputBox input;
    PageFetcher inet1;
    std::unique_ptr<MainWindow> window;
    MenuBar* menus = nullptr;
    std::unique_ptr<WindowServices> services;
};
