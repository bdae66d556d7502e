#include "MetafileSvg.h"

#include <emf2svg.h>

#include <cstdlib>
#include <memory>

QByteArray metafile_svg::fromEmf(const QByteArray& metafile)
{
    // Elements without a namespace prefix: a plain SVG document.
    static char noPrefix[] = "";
    generatorOptions options{};
    options.nameSpace = noPrefix;
    options.svgDelimiter = true;
    // EMF+ records (GDI+ drawings) are left aside: dual files, the usual kind,
    // carry the same drawing as plain EMF records, which the converter knows best.
    options.emfplus = false;
    // The converter reads the bytes without changing them; its interface is not
    // const, so it gets its own copy.
    QByteArray bytes = metafile;
    char* text = nullptr;
    size_t length = 0;
    const int converted = emf2svg(bytes.data(), static_cast<size_t>(bytes.size()), &text, &length, &options);
    // A refused file may still leave a partial document to free.
    const std::unique_ptr<char, decltype(&std::free)> owned(text, &std::free);
    if (converted != 1 || text == nullptr)
        return {};
    return QByteArray(text, static_cast<qsizetype>(length));
}
