#include "DialogEntries.h"

#include "CreditsWindow.h"
#include "FileDialog.h"
#include "MenuBar.h"
#include "PreferredAddressDialog.h"
#include "ShortcutEditor.h"

#include <QAction>
#include <QEvent>

#include <utility>

DialogEntries::DialogEntries(MenuBar& menus, QWidget& mainWindow, Variables& variables,
                             BrowserComponent& wb1, ProgramFolder folder,
                             MessageBox& messages, FileDialogFactory makeFileDialog)
    : QObject(&mainWindow)
    , m_mainWindow(mainWindow)
    , m_variables(variables)
    , m_wb1(wb1)
    , m_folder(std::move(folder))
    , m_messages(messages)
    , m_makeFileDialog(std::move(makeFileDialog))
    , f_site(preferredAddress(preferred_address::site))
    , f_home(preferredAddress(preferred_address::home))
    , f_moteur(preferredAddress(preferred_address::moteur))
    , f_erreur(preferredAddress(preferred_address::erreur))
    , f_facile([this] { return new ShortcutEditor(m_folder, m_messages); })
    , f_credits([this] { return new CreditsWindow(m_wb1); })
{
    bindPreferredAddress(menus, "smnu_site", f_site);
    bindPreferredAddress(menus, "smnu_home", f_home);
    bindPreferredAddress(menus, "smnu_moteur", f_moteur);
    bindPreferredAddress(menus, "smnu_erreur404", f_erreur);
    bindWindow(menus, "smnu_facile", f_facile);
    bindWindow(menus, "smnu_credits", f_credits);
    mainWindow.installEventFilter(this);
}

DialogEntries::~DialogEntries() = default;

SingleWindow::Builder DialogEntries::preferredAddress(const PreferredAddressMember& member)
{
    return [this, &member] {
        return new PreferredAddressDialog(member, m_variables, m_folder, &m_mainWindow,
                                          m_makeFileDialog(), m_messages);
    };
}

void DialogEntries::bindPreferredAddress(MenuBar& menus, const char* entry, SingleWindow& window)
{
    connect(menus.entry(entry), &QAction::triggered, this, [this, &window] {
        window.show();
        // The dialog enables the main window again on its way out.
        m_mainWindow.setEnabled(false);
    });
}

void DialogEntries::bindWindow(MenuBar& menus, const char* entry, SingleWindow& window)
{
    connect(menus.entry(entry), &QAction::triggered, this, [&window] { window.show(); });
}

bool DialogEntries::eventFilter(QObject* watched, QEvent* event)
{
    // Without this the editor or the about window would keep the program
    // running, windowless, after the main window was closed.
    if (watched == &m_mainWindow && event->type() == QEvent::Close) {
        for (SingleWindow* window : {&f_site, &f_home, &f_moteur, &f_erreur, &f_facile, &f_credits})
            window->close();
    }
    return QObject::eventFilter(watched, event);
}
