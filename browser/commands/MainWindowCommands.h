#pragma once

#include "DialogEntries.h"
#include "QtInputBox.h"
#include "WindowServices.h"

#include <QObject>

#include <memory>

class FileDialog;
class MainWindow;
class MenuBar;
class MessageBox;

// Gives the main window its menu bar and binds the commands behind the
// entries. Lives as long as the window.
class MainWindowCommands : public QObject {
    Q_OBJECT
public:
    MainWindowCommands(MainWindow& window, std::unique_ptr<MessageBox> messages,
                       DialogEntries::FileDialogFactory makeFileDialog);
    ~MainWindowCommands() override;

    MenuBar& menus() const { return *m_menus; }

private:
    std::unique_ptr<MessageBox> m_messages;
    std::unique_ptr<FileDialog> m_cd1;
    QtInputBox m_input;
    WindowServices m_services;
    MenuBar* m_menus;
};
