#pragma once

#include "DialogEntries.h"
#include "WindowServices.h"

#include <QObject>

#include <memory>

class FileDialog;
class MainWindow;
class MenuBar;
class MessageBox;
class PageFetcher;

// Gives the main window its menu bar and binds the commands behind the
// entries. Lives as long as the window.
class MainWindowCommands : public QObject {
    Q_OBJECT
public:
    // cd1 is the window's own file dialog, shared by saving and opening.
    MainWindowCommands(MainWindow& window, std::unique_ptr<MessageBox> messages,
                       DialogEntries::FileDialogFactory makeFileDialog, std::unique_ptr<FileDialog> cd1);
    ~MainWindowCommands() override;

    MenuBar& menus() const { return *m_menus; }
    PageFetcher& pageFetcher() const { return *m_inet1; }

private:
    std::unique_ptr<MessageBox> m_messages;
    std::unique_ptr<FileDialog> m_cd1;
    std::unique_ptr<PageFetcher> m_inet1;
    MenuBar* m_menus;
    WindowServices m_services;
};
