#include "ContextMenuEntries.h"

namespace context_menu {

namespace {

bool possible(page_steps::Step step, const Facts& facts)
{
    switch (step) {
    case page_steps::Step::Back: return facts.canGoBack;
    case page_steps::Step::Forward: return facts.canGoForward;
    default: return true;
    }
}

}  // namespace

QList<Entry> entries(const Facts& facts)
{
    QList<Entry> menu;
    bool newGroup = false;
    auto add = [&](Action action, const QString& text, bool enabled, page_steps::Step step = {}) {
        menu.append({action, step, text, enabled, newGroup && !menu.isEmpty()});
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
    for (const page_steps::PageStep& step : page_steps::all()) {
        if (step.contextCaption)
            add(Action::TakeStep, QString::fromUtf8(step.contextCaption), possible(step.step, facts), step.step);
    }
    return menu;
}

}  // namespace context_menu
