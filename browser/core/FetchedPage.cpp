#include "FetchedPage.h"

#include "Windows1252.h"

#include <QRegularExpression>
#include <QStringDecoder>

#include <optional>

namespace {

QByteArray charsetOfContentType(const QByteArray& contentType)
{
    static const QRegularExpression charset(QStringLiteral(R"(;\s*charset\s*=\s*["']?([^"';\s]+))"),
                                            QRegularExpression::CaseInsensitiveOption);
    return charset.match(QString::fromLatin1(contentType)).captured(1).toLatin1();
}

// Browsers read pages declared as Latin-1 or ASCII as Windows-1252, and the
// servers of such pages count on it (0x80-0x9F hold € œ ’ …).
bool meansWindows1252(const QByteArray& charset)
{
    const QByteArray name = charset.toLower();
    return name == "windows-1252" || name == "cp1252" || name == "iso-8859-1" || name == "iso8859-1" ||
           name == "latin1" || name == "l1" || name == "us-ascii" || name == "ascii";
}

std::optional<QString> decodeAs(const QByteArray& charset, const QByteArray& body)
{
    if (charset.isEmpty())
        return std::nullopt;
    if (meansWindows1252(charset))
        return windows1252::decode(body);
    QStringDecoder decoder(charset.constData());
    if (!decoder.isValid())
        return std::nullopt;
    return decoder.decode(body);
}

// The declaration of <meta charset="..."> or of
// <meta http-equiv="Content-Type" content="text/html; charset=...">, which the
// page must make near its start.
QByteArray charsetOfMeta(const QByteArray& body)
{
    static const QRegularExpression meta(QStringLiteral(R"(<meta\b[^>]*?\bcharset\s*=\s*["']?\s*([A-Za-z0-9_.:\-]+))"),
                                         QRegularExpression::CaseInsensitiveOption);
    return meta.match(QString::fromLatin1(body.left(4096))).captured(1).toLatin1();
}

}  // namespace

QString FetchedPage::text() const
{
    if (auto text = decodeAs(charsetOfContentType(contentType), body))
        return *text;
    if (const auto bom = QStringConverter::encodingForData(body)) {
        QStringDecoder decoder(*bom);  // drops the mark itself
        return decoder.decode(body);
    }
    if (auto text = decodeAs(charsetOfMeta(body), body))
        return *text;
    return windows1252::decode(body);
}
