#pragma once

#include "PageSteps.h"

#include <QList>
#include <QString>

// The entries of a page view's right-click menu, in French, chosen from what
// was clicked: only entries the browser carries out are offered.
namespace context_menu {

// TakeStep: one of the page steps, named by the entry's step.
enum class Action { OpenLink, CopyLinkAddress, Cut, Copy, Paste, SelectAll, TakeStep };

// What the engine reports about the place clicked, and the view's history.
struct Facts {
    bool onLink = false;
    bool editable = false;  // a text field or an editable part of the page
    bool hasSelection = false;
    bool canCut = false;
    bool canCopy = false;
    bool canPaste = false;
    bool canSelectAll = false;
    bool canGoBack = false;
    bool canGoForward = false;
};

struct Entry {
    Action action;
    page_steps::Step step;  // for TakeStep
    QString text;
    bool enabled;
    bool separatorBefore;
};

QList<Entry> entries(const Facts& facts);

}  // namespace context_menu
