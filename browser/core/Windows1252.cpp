#include "Windows1252.h"

#include <QHash>

#include <array>

namespace windows1252 {
namespace {

struct Table {
    std::array<char16_t, 256> toUnicode{};
    QHash<char16_t, char> fromUnicode;

    Table()
    {
        for (int b = 0; b < 256; ++b)
            toUnicode[b] = char16_t(b);
        // 0x00-0x7F and 0xA0-0xFF agree with Latin-1. 0x80-0x9F are
        // Windows' own, written out rather than asked of the system's
        // converters, whose loading would cost every start several
        // milliseconds; the five bytes Windows leaves undefined stay as
        // Latin-1 reads them, as the system's converter does.
        static constexpr char16_t high[32] = {
            0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 0x80
            0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 0x88
            0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 0x90
            0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 0x98
        };
        for (int b = 0x80; b < 0xA0; ++b)
            toUnicode[b] = high[b - 0x80];
        for (int b = 0; b < 256; ++b)
            fromUnicode.insert(toUnicode[b], char(b));
    }
};

const Table& table()
{
    static const Table t;
    return t;
}

}  // namespace

QString decode(const QByteArray& bytes)
{
    const Table& t = table();
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char b : bytes)
        *out++ = QChar(t.toUnicode[static_cast<unsigned char>(b)]);
    return text;
}

QByteArray encode(const QString& text)
{
    const Table& t = table();
    QByteArray bytes;
    bytes.reserve(text.size());
    for (const QChar c : text)
        bytes.append(t.fromUnicode.value(c.unicode(), '?'));
    return bytes;
}

}  // namespace windows1252
