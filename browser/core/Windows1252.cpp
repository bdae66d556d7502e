#include "Windows1252.h"

#include <QHash>
#include <QStringDecoder>

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
        // 0x00-0x7F and 0xA0-0xFF agree with Latin-1; only 0x80-0x9F need the
        // system's table.
        QStringDecoder decoder("windows-1252");
        if (decoder.isValid()) {
            for (int b = 0x80; b < 0xA0; ++b) {
                const char byte = char(b);
                const QString c = decoder.decode(QByteArrayView(&byte, 1));
                if (c.size() == 1 && c.at(0) != QChar::ReplacementCharacter)
                    toUnicode[b] = c.at(0).unicode();
            }
        }
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
