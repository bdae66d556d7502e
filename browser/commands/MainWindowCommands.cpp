#include "MainWindowCommands.h"

#include "FileDialog.h"
#include "LinkMenus.h"
#include "MainWindow.h"
#include "MenuBar.h"
#include "MessageBox.h"
#include "SiteSearches.h"
#include "Skins.h"

MainWindowCommands::MainWindowCommands(MainWindow& window, std::unique_ptr<MessageBox> messages,
                                       DialogEntries::FileDialogFactory makeFileDialog)
    : QObject(&window)
    , m_messages(std::move(messages))
    , m_cd1(makeFileDialog())
    , m_services{window,    window.variables(), window.pageView(), window.programFolder(),
                 *m_messages, *m_cd1,           makeFileDialog,    m_input}
    , m_menus(new MenuBar)
{
    window.setMenuBar(m_menus);
    new DialogEntries(*m_menus, window, window.variables(), window.pageView(),
                      window.programFolder(), *m_messages, std::move(makeFileDialog));
    bindSiteSearches(*m_menus, m_services);
    bindLinkMenus(*m_menus, m_services);
    bindSkins(*m_menus, m_services);
}

MainWindowCommands::~MainWindowCommands() = default;
