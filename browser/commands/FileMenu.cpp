#include "FileCommands.h"

#include "BrowserComponent.h"
#include "FileDialog.h"
#include "MainWindow.h"
#include "MenuBar.h"
#include "MessageBox.h"
#include "PageFetcher.h"
#include "PageFile.h"
#include "SecondaryWindows.h"
#include "SingleWindow.h"
#include "SourceViewer.h"
#include "WindowServices.h"

#include <QPlainTextEdit>

#include <cstdlib>

namespace {

const QString messageTitle = QStringLiteral("Tavrello");

// Download first: a failed download shows its reason and no file dialog.
void savePage(WindowServices& services)
{
    const FetchedPage page = services.inet1.fetch(services.wb1.locationUrl());
    if (page.failed()) {
        services.messages.warning(&services.window, messageTitle, page.failure);
        return;
    }
    services.window.saveBuffer().setPlainText(page.text());
    if (!services.cd1.showSave(&services.window))
        return;
    // The server's own bytes: re-encoding them to one code page would lose
    // what it cannot hold.
    const QString failure = page_file::write(services.cd1.fileName(), page.body);
    if (!failure.isEmpty())
        services.messages.warning(&services.window, messageTitle, failure);
}

// A cancelled dialog still reports the file chosen last, which is shown again.
void openFile(WindowServices& services)
{
    services.cd1.showOpen(&services.window);
    const QString chosen = services.cd1.fileName();
    if (!chosen.isEmpty())
        services.wb1.navigate(chosen);
}

}  // namespace

void bindFileCommands(MenuBar& menus, WindowServices& services)
{
    auto* windows = new SecondaryWindows(services.window);
    SingleWindow& viewer = windows->add([&services] { return new SourceViewer(services.wb1, services.inet1); });
    menus.bind("smnu_source", windows, [&viewer] { viewer.show(); });
    menus.bind("smnu_save", &services.window, [&services] { savePage(services); });
    menus.bind("smnu_ouvrir", &services.window, [&services] { openFile(services); });
    // Ends the process where it stands: no window's closing handler runs and
    // nothing is written, since every data file is written when it changes.
    menus.bind("smnu_quitter", &services.window, [] { std::_Exit(EXIT_SUCCESS); });
}
