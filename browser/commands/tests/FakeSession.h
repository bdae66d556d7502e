#pragma once

#include "BrowserSession.h"
#include "FakeBrowserComponent.h"
#include "FakeFileDialog.h"
#include "FakeInputBox.h"
#include "FakeMessageBox.h"
#include "MainWindow.h"
#include "MenuBar.h"
#include "NetworkPageFetcher.h"

#include <QAction>
#include <QDir>
#include <QTemporaryDir>

#include <memory>
#include <optional>

// A whole browser session on fake page views, dialogs and messages, with a
// real page fetcher, its menu commands bound as the program binds them. The
// fakes stay reachable for the test after the session took them over.
class FakeSession {
public:
    // In a program folder and a current folder of its own, both removed afterwards.
    FakeSession() : m_programDir(std::in_place), m_currentDir(std::in_place)
    {
        if (!m_programDir->isValid() || !m_currentDir->isValid() || !QDir::setCurrent(m_currentDir->path()))
            qFatal("no folders for the test");
        start(m_programDir->path());
    }
    // In that program folder, from the current folder as it is.
    explicit FakeSession(const QString& programFolder) { start(programFolder); }
    FakeSession(const FakeSession&) = delete;
    FakeSession& operator=(const FakeSession&) = delete;
    ~FakeSession()
    {
        session.reset();
        if (m_currentDir)
            QDir::setCurrent(QDir::tempPath());
    }

    MainWindow& window() const { return session->window(); }
    MenuBar& menus() const { return session->menus(); }
    WindowServices& services() const { return session->services(); }
    void trigger(const char* entry) const { menus().entry(entry)->trigger(); }
    QString programFile(const QString& name) const { return QDir(services().folder.path()).filePath(name); }
    QString currentFile(const QString& name) const { return QDir::current().filePath(name); }

    // A new main window on the same folder, as at the next start of the program.
    std::unique_ptr<MainWindow> openWindow()
    {
        return std::make_unique<MainWindow>(services().folder, m_restartVariables,
                                            std::make_unique<FakeBrowserComponent>(),
                                            std::make_unique<FakeBrowserComponent>());
    }

    FakeBrowserComponent* wb1 = nullptr;
    FakeMessageBox* messages = nullptr;
    FakeFileDialog* cd1 = nullptr;
    FakeInputBox* input = nullptr;
    NetworkPageFetcher* inet1 = nullptr;
    int fileDialogsMade = 0;  // by the preferred-address dialogs
    std::unique_ptr<BrowserSession> session;

private:
    void start(const QString& programFolder)
    {
        auto pageView = std::make_unique<FakeBrowserComponent>();
        auto messageBox = std::make_unique<FakeMessageBox>();
        auto fileDialog = std::make_unique<FakeFileDialog>();
        auto inputBox = std::make_unique<FakeInputBox>();
        auto fetcher = std::make_unique<NetworkPageFetcher>();
        wb1 = pageView.get();
        messages = messageBox.get();
        cd1 = fileDialog.get();
        input = inputBox.get();
        inet1 = fetcher.get();
        session = std::make_unique<BrowserSession>(BrowserSession::Parts{
            .folder = ProgramFolder(programFolder),
            .pageView = std::move(pageView),
            .bannerStrip = std::make_unique<FakeBrowserComponent>(),
            .messages = std::move(messageBox),
            .fileDialog = std::move(fileDialog),
            .makeFileDialog =
                [this] {
                    ++fileDialogsMade;
                    return std::make_unique<FakeFileDialog>();
                },
            .input = std::move(inputBox),
            .fetcher = std::move(fetcher),
        });
    }

    std::optional<QTemporaryDir> m_programDir;
    std::optional<QTemporaryDir> m_currentDir;
    Variables m_restartVariables;
};
