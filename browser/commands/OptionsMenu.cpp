#include "DialogEntries.h"

#include "CreditsWindow.h"
#include "FileDialog.h"
#include "MainWindow.h"
#include "MenuBar.h"
#include "PreferredAddressDialog.h"
#include "SecondaryWindows.h"
#include "ShortcutEditor.h"
#include "SingleWindow.h"
#include "WindowServices.h"

#include <array>
#include <memory>

namespace {

struct PreferredAddressEntry {
    const char* entry;
    const PreferredAddressMember* member;
};

constexpr std::array<PreferredAddressEntry, 4> preferredAddressEntries{{
    {"smnu_site", &preferred_address::site},
    {"smnu_home", &preferred_address::home},
    {"smnu_moteur", &preferred_address::moteur},
    {"smnu_erreur404", &preferred_address::erreur},
}};

}  // namespace

void bindDialogEntries(MenuBar& menus, WindowServices& services)
{
    QWidget& mainWindow = services.window;
    auto* windows = new SecondaryWindows(mainWindow);

    for (const PreferredAddressEntry& row : preferredAddressEntries) {
        SingleWindow& dialog = windows->add([&services, member = row.member] {
            return new PreferredAddressDialog(*member, services.variables, services.folder, &services.window,
                                              services.makeFileDialog(), services.messages);
        });
        menus.bind(row.entry, windows, [&dialog, &mainWindow] {
            dialog.show();
            // The dialog enables the main window again on its way out.
            mainWindow.setEnabled(false);
        });
    }

    SingleWindow& editor = windows->add([&services] { return new ShortcutEditor(services.folder, services.messages); });
    menus.bind("smnu_facile", windows, [&editor] { editor.show(); });

    SingleWindow& credits = windows->add([&services] { return new CreditsWindow(services.wb1); });
    menus.bind("smnu_credits", windows, [&credits] { credits.show(); });
}
