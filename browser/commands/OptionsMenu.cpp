#include "OptionsMenu.h"

#include "DataFile.h"
#include "DataFiles.h"
#include "FailureReasons.h"
#include "FileDialog.h"
#include "FrenchQuotes.h"
#include "InputBox.h"
#include "MainWindow.h"
#include "MenuTable.h"
#include "MessageBox.h"
#include "PlainFile.h"
#include "PreferredAddressDialog.h"
#include "SecondaryWindows.h"
#include "ShortcutEditor.h"
#include "WindowServices.h"

namespace {

// "Skins de Tavrello": asks for the path of a picture, shows it in the main
// window's corner at once and keeps the path in skins.txt for the next start.
void changeSkin(WindowServices& services)
{
    const QString title = QStringLiteral("Ajout d'un skin");
    // Cancelling removes the skin, as an empty path does. The path is kept as
    // typed: a relative one is read from the current folder, now and at start-up.
    const QString path = services.input.ask(&services.window, title, QStringLiteral("Entrez le chemin d'accès du skin"))
                             .value_or(QString());
    // The file is written only once the picture is shown, so that skins.txt
    // always names a skin that could be read.
    if (!services.window.showSkin(path)) {
        const QString reason = plain_file::isOtherKind(path) ? failure_reasons::notAPlainFile()
                                                             : QStringLiteral("le fichier est absent ou n'est pas une image");
        services.messages.warning(
            &services.window, title,
            QStringLiteral("Impossible de lire l'image %1 : %2. Le skin n'a pas été changé.").arg(quoted(path), reason));
        return;
    }
    DataFile skins(data_files::pathOf(data_files::skins, services.folder));
    if (!skins.replaceWithLine(path)) {
        services.messages.warning(&services.window, title,
                                  failure_reasons::cannotSave(skins.path(), skins.errorString()) +
                                      QStringLiteral(". Le skin est affiché, mais il ne reviendra pas au "
                                                     "prochain démarrage."));
    }
}

std::function<void(WindowServices&)> editAddress(const char* entry, const PreferredAddressMember& member)
{
    return [entry, &member](WindowServices& services) {
        services.windows
            .of(entry,
                [&services, &member] {
                    return new PreferredAddressDialog(member, services.variables, services.folder, &services.window,
                                                      services.makeFileDialog(), services.messages);
                })
            .show();
        // The dialog enables the main window again on its way out.
        services.window.setEnabled(false);
    };
}

void editShortcuts(WindowServices& services)
{
    services.windows.of("smnu_facile", [&services] { return new ShortcutEditor(services.folder, services.messages); })
        .show();
}

const MenuEntry entries[] = {
    {"smnu_skins", "Skins de Tavrello", changeSkin},
    {"smnu_site", "&Site préféré", editAddress("smnu_site", preferred_address::site)},
    {"smnu_home", "&Page de démarrage", editAddress("smnu_home", preferred_address::home)},
    {"smnu_moteur", "&Site de recherche", editAddress("smnu_moteur", preferred_address::moteur)},
    {"smnu_erreur404", "&Erreur 404", editAddress("smnu_erreur404", preferred_address::erreur)},
    {"smnu_facile", "&Raccourcis", editShortcuts},
};

}  // namespace

// A top-level menu despite the prefix of its name.
const Menu& optionsMenu()
{
    static const Menu menu{"smnu_options", "&Options", entries};
    return menu;
}
