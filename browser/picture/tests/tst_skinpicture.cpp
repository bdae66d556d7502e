#include "SkinPicture.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <initializer_list>

namespace {

// The test's own metafiles, written record by record: a picture whose left half
// is red and right half blue, width by height logical units.
class LittleEndian {
public:
    LittleEndian& u16(quint16 value)
    {
        m_bytes.append(char(value & 0xff)).append(char(value >> 8));
        return *this;
    }
    LittleEndian& u32(quint32 value) { return u16(value & 0xffff).u16(value >> 16); }
    LittleEndian& u32s(std::initializer_list<quint32> values)
    {
        for (quint32 value : values)
            u32(value);
        return *this;
    }
    QByteArray& bytes() { return m_bytes; }

private:
    QByteArray m_bytes;
};

constexpr quint32 red = 0x0000ff;  // COLORREF: 0x00bbggrr
constexpr quint32 blue = 0xff0000;

QByteArray wmf(quint16 width, quint16 height, bool placeable)
{
    LittleEndian records;
    const auto record = [&records](quint16 function, std::initializer_list<quint16> parameters) {
        records.u32(3 + parameters.size()).u16(function);
        for (quint16 parameter : parameters)
            records.u16(parameter);
    };
    const auto halfIn = [&](quint32 colour, quint16 left, quint16 right) {
        record(0x02fc, {0, quint16(colour & 0xffff), quint16(colour >> 16), 0});  // CREATEBRUSHINDIRECT, solid
        record(0x012d, {1});                                                      // SELECTOBJECT
        record(0x041b, {height, right, 0, left});                                 // RECTANGLE
        record(0x01f0, {1});                                                      // DELETEOBJECT
    };
    record(0x020c, {height, width});  // SETWINDOWEXT
    record(0x02fa, {5, 0, 0, 0, 0});  // CREATEPENINDIRECT, no outline
    record(0x012d, {0});
    halfIn(red, 0, width / 2);
    halfIn(blue, width / 2, width);
    record(0x0000, {});  // EOF

    LittleEndian file;
    if (placeable) {
        // Bounding box in units of 1/96 inch: the picture's own size in pixels.
        file.u32(0x9ac6cdd7).u16(0).u16(0).u16(0).u16(width).u16(height).u16(96).u32(0);
        quint16 checksum = 0;
        for (int i = 0; i < 20; i += 2)
            checksum ^= quint16(uchar(file.bytes()[i]) | uchar(file.bytes()[i + 1]) << 8);
        file.u16(checksum);
    }
    const quint32 words = (18 + records.bytes().size()) / 2;
    file.u16(1).u16(9).u16(0x0300).u32(words).u16(2).u32(8).u16(0);
    return file.bytes() + records.bytes();
}

QByteArray emf(quint32 width, quint32 height)
{
    LittleEndian records;
    const auto halfIn = [&records, height](quint32 colour, quint32 left, quint32 right) {
        records.u32s({39, 24, 1, 0, colour, 0});         // EMR_CREATEBRUSHINDIRECT, solid
        records.u32s({37, 12, 1});                       // EMR_SELECTOBJECT
        records.u32s({43, 24, left, 0, right, height});  // EMR_RECTANGLE
        records.u32s({40, 12, 1});                       // EMR_DELETEOBJECT
    };
    records.u32s({37, 12, 0x80000008});  // EMR_SELECTOBJECT: the stock null pen
    halfIn(red, 0, width / 2);
    halfIn(blue, width / 2, width);
    records.u32s({14, 20, 0, 16, 20});  // EMR_EOF
    const quint32 count = 1 + 1 + 2 * 4 + 1;

    // Reference device: 1024 x 768 pixels on 320 x 240 mm; the frame is in
    // hundredths of a millimetre.
    const auto hundredths = [](quint32 pixels) { return pixels * 32000 / 1024; };
    LittleEndian file;
    file.u32s({1, 88, 0, 0, width - 1, height - 1, 0, 0, hundredths(width), hundredths(height), 0x464d4520, 0x10000,
               quint32(88 + records.bytes().size()), count});
    file.u16(2).u16(0).u32s({0, 0, 0, 1024, 768, 320, 240});
    return file.bytes() + records.bytes();
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
        const QImage picture = SkinPicture::read(file("dessin.emf", emf(200, 100)));
        QVERIFY2(qAbs(picture.width() - 200) <= 1 && qAbs(picture.height() - 100) <= 1,
                 qPrintable(QStringLiteral("%1 x %2").arg(picture.width()).arg(picture.height())));
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
        const QString path = m_folder.filePath(name);
        QFile out(path);
        if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }

    QTemporaryDir m_folder;
};

QTEST_MAIN(SkinPictureTest)
#include "tst_skinpicture.moc"
