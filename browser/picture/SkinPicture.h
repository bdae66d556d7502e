#pragma once

#include <QImage>
#include <QString>

// The skin's picture loader: every format Qt reads (bitmap, icon, GIF, JPEG,
// PNG...), then the Windows metafiles, WMF and EMF.
class SkinPicture {
public:
    // The picture in the file at path, or a null image when no reader takes it
    // or the path names no plain file (a pipe, a device, a folder).
    // A metafile is drawn at its own size, at most maxMetafileSide pixels a side.
    static QImage read(const QString& path);

    static constexpr int maxMetafileSide = 1024;
};
