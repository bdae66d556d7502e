#include "BrowserSession.h"

#include "BrowserComponent.h"
#include "FileDialog.h"
#include "InputBox.h"
#include "MainWindow.h"
#include "MainWindowCommands.h"
#include "MenuBar.h"
#include "MessageBox.h"
#include "PageTools.h"
#include "PageFetcher.h"
#include "SecondaryWindows.h"

BrowserSession::BrowserSession(Parts parts)
    : m_folder(std::move(parts.folder))
    , m_messages(std::move(parts.messages))
    , m_fileDialog(std::move(parts.fileDialog))
    , m_input(std::move(parts.input))
    , m_fetcher(std::move(parts.fetcher))
    , m_pageView(*parts.pageView)
    , m_window(
          std::make_unique<MainWindow>(m_folder, m_variables, std::move(parts.pageView), std::move(parts.bannerStrip)))
    , m_menus(new MenuBar)
    // The secondary windows' keeper is a child of the main window, which deletes it.
    , m_services{*m_window,
                 m_variables,
                 m_pageView,
                 m_folder,
                 *m_messages,
                 *m_fileDialog,
                 std::move(parts.makeFileDialog),
                 *m_input,
                 *m_fetcher,
                 *new SecondaryWindows(*m_window)}
{
    m_window->setMenuBar(m_menus);
    bindMainWindowCommands(*m_menus, m_services);
    bindPageTools(m_services);
}

BrowserSession::~BrowserSession() = default;
