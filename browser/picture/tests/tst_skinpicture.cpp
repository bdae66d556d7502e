#include "SkinPicture.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <array>
#include <functional>
#include <numeric>
#include <vector>

namespace {

template <typename Word>
QByteArray littleEndian(const std::vector<Word>& words)
{
    QByteArray bytes;
    for (Word word : words) {
        for (size_t i = 0; i < sizeof word; ++i)
            bytes.append(char(word >> (8 * i)));
    }
    return bytes;
}

// The test's own metafiles, written record by record: the left half red, the
// right half blue, width by height logical units, no outlines.
QByteArray wmf(quint16 width, quint16 height, bool placeable)
{
    std::vector<quint16> records{5, 0, 0x020c, height, width,           // SETWINDOWEXT
                                 8, 0, 0x02fa, 5,      0,     0, 0, 0,  // CREATEPENINDIRECT, null pen
                                 4, 0, 0x012d, 0};                      // SELECTOBJECT
    // Colours 0x00bbggrr, low word first.
    for (auto [low, high, left, right] : {std::array<quint16, 4>{0xff, 0, 0, quint16(width / 2)},
                                          std::array<quint16, 4>{0, 0xff, quint16(width / 2), width}}) {
        records.insert(records.end(), {7, 0, 0x02fc, 0,      low,   high, 0,     // CREATEBRUSHINDIRECT, solid
                                       4, 0, 0x012d, 1,                          // SELECTOBJECT
                                       7, 0, 0x041b, height, right, 0,    left,  // RECTANGLE
                                       4, 0, 0x01f0, 1});                        // DELETEOBJECT
    }
    records.insert(records.end(), {3, 0, 0});  // EOF
    std::vector<quint16> file;
    if (placeable) {
        // Bounding box in 1/96 inch: the picture's own size in pixels.
        file = {0xcdd7, 0x9ac6, 0, 0, 0, width, height, 96, 0, 0};
        file.push_back(std::accumulate(file.begin(), file.end(), quint16(0), std::bit_xor<quint16>()));
    }
    const quint32 words = 9 + records.size();
    file.insert(file.end(), {1, 9, 0x0300, quint16(words), quint16(words >> 16), 2, 8, 0, 0});
    file.insert(file.end(), records.begin(), records.end());
    return littleEndian(file);
}

QByteArray emf(quint32 width, quint32 height)
{
    std::vector<quint32> records{37, 12, 0x80000008};  // EMR_SELECTOBJECT: the stock null pen
    for (auto [colour, left, right] : {std::array<quint32, 3>{0xff, 0, width / 2}, {0xff0000, width / 2, width}}) {
        records.insert(records.end(), {39, 24, 1, 0, colour, 0,         // EMR_CREATEBRUSHINDIRECT, solid
                                       37, 12, 1,                       // EMR_SELECTOBJECT
                                       43, 24, left, 0, right, height,  // EMR_RECTANGLE
                                       40, 12, 1});                     // EMR_DELETEOBJECT
    }
    records.insert(records.end(), {14, 20, 0, 16, 20});  // EMR_EOF
    // Header: bounds in pixels, frame in 1/100 mm, signature, version, bytes, records, handles, no description
    // and no palette, then the reference device: 1024 x 768 pixels on 320 x 240 mm.
    std::vector<quint32> file{1, 88, 0, 0, width - 1, height - 1, 0, 0, width * 3125 / 100, height * 3125 / 100};
    file.insert(file.end(), {0x464d4520, 0x10000, quint32(88 + 4 * records.size()), 11, 2, 0, 0, 0});
    file.insert(file.end(), {1024, 768, 320, 240});
    file.insert(file.end(), records.begin(), records.end());
    return littleEndian(file);
}

// The colours a quarter and three quarters across, half-way down.
QList<QRgb> halves(const QImage& image)
{
    const int y = image.height() / 2;
    return {image.pixel(image.width() / 4, y), image.pixel(image.width() * 3 / 4, y)};
}

const QList<QRgb> redThenBlue{qRgb(255, 0, 0), qRgb(0, 0, 255)};

}  // namespace

// Skins in the Windows metafile formats, which Qt itself does not read.
class SkinPictureTest : public QObject {
    Q_OBJECT

private slots:
    void wmfIsDrawnWithOrWithoutPlaceableHeader()
    {
        const QImage placeable = SkinPicture::read(file("placeable.wmf", wmf(200, 100, true)));
        QCOMPARE(placeable.size(), QSize(200, 100));
        QCOMPARE(halves(placeable), redThenBlue);

        // Without the header nothing gives the size in inches; the shape stays.
        const QImage bare = SkinPicture::read(file("bare.wmf", wmf(200, 100, false)));
        QVERIFY2(qAbs(bare.width() - 2 * bare.height()) <= 2 && bare.height() > 10,
                 qPrintable(QStringLiteral("%1 x %2").arg(bare.width()).arg(bare.height())));
        QCOMPARE(halves(bare), redThenBlue);
    }

    void emfIsDrawn()
    {
        // The converter takes the inclusive bounds for the size: one pixel less.
        const QImage picture = SkinPicture::read(file("dessin.emf", emf(200, 100)));
        QCOMPARE(picture.size(), QSize(199, 99));
        QCOMPARE(halves(picture), redThenBlue);
    }

    void hugeMetafileIsDrawnSmaller()
    {
        // 30000 x 15000 pixels would take 1.8 GB.
        const QImage picture = SkinPicture::read(file("immense.wmf", wmf(30000, 15000, true)));
        QCOMPARE(picture.size(), QSize(SkinPicture::maxMetafileSide, SkinPicture::maxMetafileSide / 2));
        QCOMPARE(halves(picture), redThenBlue);
    }

private:
    QString file(const QString& name, const QByteArray& bytes)
    {
        QFile out(m_folder.filePath(name));
        if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(out.fileName()));
        return out.fileName();
    }

    QTemporaryDir m_folder;
};

QTEST_MAIN(SkinPictureTest)
#include "tst_skinpicture.moc"
