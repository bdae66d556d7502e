#include "MainWindowCommands.h"

#include "FileCommands.h"
#include "FileDialog.h"
#include "MainWindow.h"
#include "MenuBar.h"
#include "MessageBox.h"
#include "PageFetcher.h"

MainWindowCommands::MainWindowCommands(MainWindow& window, std::unique_ptr<MessageBox> messages,
                                       DialogEntries::FileDialogFactory makeFileDialog,
                                       std::unique_ptr<FileDialog> cd1)
    : QObject(&window)
    , m_messages(std::move(messages))
    , m_cd1(std::move(cd1))
    , m_inet1(std::make_unique<PageFetcher>())
    , m_menus(new MenuBar)
    , m_services{window, window.variables(), window.pageView(), window.programFolder(),
                 *m_messages, *m_cd1, std::move(makeFileDialog), *m_inet1}
{
    window.setMenuBar(m_menus);
    new DialogEntries(*m_menus, window, window.variables(), window.pageView(),
                      window.programFolder(), *m_messages, m_services.makeFileDialog);
    bindFileCommands(*m_menus, m_services);
}

MainWindowCommands::~MainWindowCommands() = default;
