#include "SkinPicture.h"

#include "MetafileSvg.h"

#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QSvgRenderer>

namespace {

// Far beyond any drawing; a larger file is refused rather than read whole.
constexpr qint64 maxMetafileBytes = 64 * 1024 * 1024;

QImage drawn(const QByteArray& svg)
{
    QSvgRenderer renderer(svg);
    const QSize own = renderer.defaultSize();
    if (!renderer.isValid() || own.isEmpty())
        return {};
    // The picture is stretched to the skin area anyway; a metafile claiming a
    // huge size is drawn smaller rather than filling the memory.
    const QSize side(SkinPicture::maxMetafileSide, SkinPicture::maxMetafileSide);
    QSize size = own;
    if (size.width() > side.width() || size.height() > side.height())
        size = own.scaled(side, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull())
        return {};
    // What the metafile leaves unpainted shows the window behind it.
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return image;
}

}  // namespace

QImage SkinPicture::read(const QString& path)
{
    // Checked before any open: opening a pipe waits for a writer, at every
    // start-up, and a device could be read without end.
    if (!QFileInfo(path).isFile())
        return {};
    QImage image;
    if (image.load(path))
        return image;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > maxMetafileBytes)
        return {};
    const QByteArray bytes = file.readAll();
    QByteArray svg = metafile_svg::fromWmf(bytes);
    if (svg.isEmpty())
        svg = metafile_svg::fromEmf(bytes);
    return svg.isEmpty() ? QImage() : drawn(svg);
}
