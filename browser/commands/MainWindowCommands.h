#pragma once

#include "DialogEntries.h"

#include <QObject>

#include <memory>

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
    MenuBar* m_menus;
};
