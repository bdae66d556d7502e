#include "MainWindowCommands.h"

#include "MainWindow.h"
#include "MenuBar.h"
#include "MessageBox.h"

MainWindowCommands::MainWindowCommands(MainWindow& window, std::unique_ptr<MessageBox> messages,
                                       DialogEntries::FileDialogFactory makeFileDialog)
    : QObject(&window)
    , m_messages(std::move(messages))
    , m_menus(new MenuBar)
{
    window.setMenuBar(m_menus);
    new DialogEntries(*m_menus, window, window.variables(), window.pageView(),
                      window.programFolder(), *m_messages, std::move(makeFileDialog));
}

MainWindowCommands::~MainWindowCommands() = default;
