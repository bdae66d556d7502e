#pragma once

#include <QString>

// How the main window follows the page view: its caption, and when the
// engine's server-not-found page gives way to the user's replacement page.
namespace page_rules {

inline constexpr const char* notFoundTitle = "Impossible de trouver le serveur";

QString caption(const QString& locationName);

// The page view shows the server-not-found page (by its name, exactly) and a
// replacement page is set. Not when the page that could not be found is the
// replacement page itself: replacing it again would loop for ever.
bool replacesErrorPage(const QString& locationName, const QString& locationUrl, const QString& replacement);

}  // namespace page_rules
