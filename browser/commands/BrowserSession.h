#pragma once

#include "ProgramFolder.h"
#include "Variables.h"
#include "WindowServices.h"

#include <memory>

class BrowserComponent;
class FileDialog;
class InputBox;
class MainWindow;
class MenuBar;
class MessageBox;
class PageFetcher;

// One run of the browser: owns the main window and everything its commands
// share for the life of the process, and binds the menu commands once those
// exist. The program's platform pieces come in from outside, so tests build
// the same session with fakes.
class BrowserSession {
public:
    struct Parts {
        ProgramFolder folder;
        std::unique_ptr<BrowserComponent> pageView;     // wb1
        std::unique_ptr<BrowserComponent> bannerStrip;  // wb2
        std::unique_ptr<MessageBox> messages;
        std::unique_ptr<FileDialog> fileDialog;  // cd1
        WindowServices::FileDialogFactory makeFileDialog;
        std::unique_ptr<InputBox> input;
        std::unique_ptr<PageFetcher> fetcher;  // Inet1
    };

    explicit BrowserSession(Parts parts);
    ~BrowserSession();
    BrowserSession(const BrowserSession&) = delete;
    BrowserSession& operator=(const BrowserSession&) = delete;

    MainWindow& window() const { return *m_window; }
    MenuBar& menus() const { return *m_menus; }
    WindowServices& services() { return m_services; }

private:
    ProgramFolder m_folder;
    Variables m_variables;
    std::unique_ptr<MessageBox> m_messages;
    std::unique_ptr<FileDialog> m_fileDialog;
    std::unique_ptr<InputBox> m_input;
    std::unique_ptr<PageFetcher> m_fetcher;
    BrowserComponent& m_pageView;
    // Goes first, with the secondary windows that use what is above.
    std::unique_ptr<MainWindow> m_window;
    MenuBar* m_menus;
    WindowServices m_services;
};
