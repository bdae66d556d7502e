#pragma once

#include <QByteArray>
#include <QString>

// A saved page: the bytes the server sent, then CR LF; or the page in PDF.
namespace page_file {

// Creates or replaces the file at path, whole or not at all (WholeFile.h); a
// folder that cannot take a temporary file is a failure. Returns the reason of
// a failure, in French for the user, or nothing.
QString write(const QString& path, const QByteArray& page);

// The page as the engine laid it out in PDF, written the same way; an empty
// document is the engine's failure to lay it out.
QString writePdf(const QString& path, const QByteArray& pdf);

}  // namespace page_file
