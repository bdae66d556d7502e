#pragma once

#include <QString>
#include <QUrl>

// The browser's fixed outside addresses; hosts come from the build settings
// (cmake/Endpoints.cmake).
namespace web_addresses {

// A search script of an outside site: "http://", host, path, "?", key, "=",
// then the words, then the suffix.
struct SearchScript {
    const char* host;
    const char* path;
    const char* key;
    const char* suffix;
};

// The directory search of the maker's web server, behind both the main
// window's web search and the Dovrane entry of the search menu.
extern const SearchScript directorySearchScript;
extern const SearchScript ferrovaneSearchScript;
extern const SearchScript quillaboSearchScript;
extern const SearchScript brumoloSearchScript;
extern const SearchScript brumoloFrSearchScript;

// The words go in exactly as given: not trimmed, not encoded.
QString searchAddress(const SearchScript& script, const QString& words);

// Banner picture of the maker's web server, shown in the banner strip.
QString bannerPicture();
// Directory search script of the maker's web server; the words are appended
// exactly as given, without encoding.
QString directorySearch(const QString& words);
// The URL that the page view loads for an address as typed or stored: a web
// address, a local file path (absolute, or relative to the current folder).
QUrl toUrl(const QString& address);

// Front page of a site: scheme and host, no path, no trailing slash.
QString frontPage(const char* host);
// Front page of the Dovrane directory site.
QString directorySite();

}  // namespace web_addresses
