#include "ContextMenuEntries.h"

namespace context_menu {

QList<Entry> entries(const Facts& facts)
{
    QList<Entry> menu;
    bool newGroup = false;
    auto add = [&](Action action, const QString& text, bool enabled) {
        menu.append({action, text, enabled, newGroup && !menu.isEmpty()});
        newGroup = false;
    };

    if (facts.onLink) {
        add(Action::OpenLink, QStringLiteral("Ouvrir le lien"), true);
        add(Action::CopyLinkAddress, QStringLiteral("Copier l'adresse du lien"), true);
        newGroup = true;
    }
    if (facts.editable)
        add(Action::Cut, QStringLiteral("Couper"), facts.canCut);
    if (facts.editable || facts.hasSelection)
        add(Action::Copy, QStringLiteral("Copier"), facts.canCopy);
    if (facts.editable)
        add(Action::Paste, QStringLiteral("Coller"), facts.canPaste);
    add(Action::SelectAll, QStringLiteral("Tout sélectionner"), facts.canSelectAll);
    newGroup = true;
    add(Action::Back, QStringLiteral("Page précédente"), facts.canGoBack);
    add(Action::Forward, QStringLiteral("Page suivante"), facts.canGoForward);
    add(Action::Reload, QStringLiteral("Actualiser"), true);
    return menu;
}

}  // namespace context_menu
