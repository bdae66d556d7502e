#pragma once

#include <QByteArray>
#include <QString>

// A saved page: the bytes the server sent, then CR LF.
namespace page_file {

// Creates or replaces the file at path. The bytes go to a temporary file
// beside it, which takes the file's place only once it is whole, so a failure
// leaves an existing file as it was. Returns the reason of a failure, in
// French for the user, or nothing.
QString write(const QString& path, const QByteArray& page);

}  // namespace page_file
