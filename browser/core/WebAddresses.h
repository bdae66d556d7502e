#pragma once

#include <QString>
#include <QUrl>

// The browser's fixed outside addresses; hosts come from the build settings
// (cmake/Endpoints.cmake).
namespace web_addresses {

// Banner picture of the maker's web server, shown in the banner strip.
QString bannerPicture();
// Directory search script of the maker's web server; the words are appended
// exactly as given, without encoding.
QString directorySearch(const QString& words);
// The URL that the page view loads for an address as typed or stored: a web
// address, a local file path (absolute, or relative to the current folder).
QUrl toUrl(const QString& address);

// Front page of the Dovrane directory site.
QString directorySite();

}  // namespace web_addresses
