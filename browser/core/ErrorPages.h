#pragma once

#include "FailureReasons.h"

#include <QString>

// The French pages the page view shows in place of a page it cannot show.
// Each names the address concerned and tells the user what "Actualiser" does.
namespace error_pages {

// Titled page_rules::notFoundTitle, the name under which the main window
// replaces it by the user's own page.
QString serverNotFound(const QString& address);
// Typed words that make no address (a space among them): for the user they
// lead nowhere, as a server that cannot be found does, and the page says so
// under the same title.
QString notAnAddress(const QString& text);
// Any other connection failure, by the engine's error code (its own text, in
// English, for the rare ones).
QString loadFailed(int errorCode, const QString& engineText, const QString& address);

// The process that drew the page ended abnormally.
QString rendererEnded(failure_reasons::RendererEnd end, const QString& address);

}  // namespace error_pages
