#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The keyword shortcuts of raccourcis.txt: a keyword line followed by its
// address line, pair after pair, at most 1001 lines.
class ShortcutTable {
public:
    explicit ShortcutTable(QStringList lines);
    // A missing or unreadable file is an empty table.
    static ShortcutTable read(const QString& path);

    // The address of the last pair whose keyword is exactly the typed text
    // (case-sensitive, untrimmed), so a keyword saved again later wins; kept:
    // stored files rely on this. Address lines are never taken for keywords;
    // a keyword without an address line after it finds nothing.
    std::optional<QString> addressFor(const QString& keyword) const;

private:
    QStringList m_lines;
};
