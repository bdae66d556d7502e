#pragma once

#include <QByteArray>

// Windows metafiles turned into SVG documents by Debian's converters; an empty
// result when the bytes are no metafile of that kind or are damaged.
namespace metafile_svg {

QByteArray fromWmf(const QByteArray& metafile);
QByteArray fromEmf(const QByteArray& metafile);

}  // namespace metafile_svg
