#pragma once

#include <QByteArray>
#include <QFileDevice>
#include <QString>

// A file written whole or not at all: the bytes go to a temporary file beside
// it, which takes the file's place only once it is complete, so a failure
// leaves an existing file as it was. The new file keeps the old one's
// permissions; a symbolic link stays a link, and the file it leads to is the
// one replaced. Only a plain file, or none, is replaced (PlainFile.h).
namespace whole_file {

// Where the folder cannot take a temporary file (a folder the user may not
// write in, holding a file they may), DirectWrite writes over the file in
// place instead; a failure may then leave it cut short.
enum class Fallback { None, DirectWrite };

struct Outcome {
    QFileDevice::FileError error = QFileDevice::NoError;
    int errorNumber = 0;  // the C library's code of the failed call, 0 when unknown
    QString systemText;
};

Outcome write(const QString& path, const QByteArray& bytes, Fallback fallback);

}  // namespace whole_file
