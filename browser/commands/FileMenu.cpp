#include "FileMenu.h"

#include "BrowserComponent.h"
#include "FileDialog.h"
#include "MainWindow.h"
#include "MenuTable.h"
#include "MessageBox.h"
#include "PageFetcher.h"
#include "PageFile.h"
#include "SecondaryWindows.h"
#include "SourceViewer.h"
#include "WindowServices.h"

#include <QPlainTextEdit>

#include <cstdlib>

namespace {

const QString messageTitle = QStringLiteral("Tavrello");

void showSource(WindowServices& services)
{
    services.windows.of("smnu_source", [&services] { return new SourceViewer(services.pageView, services.fetcher); })
        .show();
}

// Download first: a failed download shows its reason and no file dialog; one
// the user ended shows nothing.
void savePage(WindowServices& services)
{
    const FetchedPage page = services.fetcher.fetch(services.pageView.locationUrl());
    if (page.endedByUser)
        return;
    if (page.failed()) {
        services.messages.warning(&services.window, messageTitle, page.failure);
        return;
    }
    services.window.saveBuffer().setPlainText(page.text());
    if (!services.fileDialog.showSave(&services.window))
        return;
    // The server's own bytes: re-encoding them to one code page would lose
    // what it cannot hold.
    const QString failure = page_file::write(services.fileDialog.fileName(), page.body);
    if (!failure.isEmpty())
        services.messages.warning(&services.window, messageTitle, failure);
}

// A cancelled dialog still reports the file chosen last, which is shown again.
void openFile(WindowServices& services)
{
    services.fileDialog.showOpen(&services.window);
    const QString chosen = services.fileDialog.fileName();
    if (!chosen.isEmpty())
        services.pageView.navigate(chosen);
}

// Ends the process where it stands: no window's closing handler runs and
// nothing is written, since every data file is written when it changes.
void quit(WindowServices&)
{
    std::_Exit(EXIT_SUCCESS);
}

const MenuEntry entries[] = {
    {"smnu_source", "So&urce", showSource},
    {"smnu_save", "&Sauvegarder", savePage},
    {"smnu_ouvrir", "&Ouvrir", openFile},
    {"smnu_quitter", "&Quitter", quit},
};

}  // namespace

const Menu& fileMenu()
{
    static const Menu menu{"mnu_fichier", "&Fichier", entries};
    return menu;
}
