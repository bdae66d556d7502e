#include "Skins.h"

#include "DataFile.h"
#include "DataFiles.h"
#include "InputBox.h"
#include "MainWindow.h"
#include "MenuBar.h"
#include "MessageBox.h"
#include "WindowServices.h"

#include <QDir>

namespace {

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
        services.messages.warning(&services.window, title,
                                  QStringLiteral("Impossible de lire l'image « %1 » : le fichier est absent "
                                                 "ou n'est pas une image. Le skin n'a pas été changé.")
                                      .arg(path));
        return;
    }
    DataFile skins(data_files::pathOf(data_files::skins, services.folder));
    if (!skins.replaceWithLine(path)) {
        services.messages.warning(&services.window, title,
                                  QStringLiteral("Le skin est affiché, mais il ne reviendra pas au prochain "
                                                 "démarrage : impossible d'enregistrer le fichier « %1 » : %2")
                                      .arg(QDir::toNativeSeparators(skins.path()), skins.errorString()));
    }
}

}  // namespace

void bindSkins(MenuBar& menus, WindowServices& services)
{
    menus.bind("smnu_skins", &services.window, [&services] { changeSkin(services); });
}
