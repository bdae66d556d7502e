#pragma once

#include <QByteArray>
#include <QString>

// The Windows-1252 code page of the data files. Every byte decodes to one
// character and encodes back to the same byte, including the five bytes that
// the code page leaves undefined (they stand for the control characters of
// the same number).
namespace windows1252 {

QString decode(const QByteArray& bytes);
// Characters outside the code page are written as '?'.
QByteArray encode(const QString& text);

}  // namespace windows1252
