#pragma once

#include <QString>
#include <QStringList>

#include <optional>

class DataFile;

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

    // Lines are paired by position only: keywords at even positions, addresses
    // at odd ones, a last keyword without its address included.
    QStringList keywords() const;
    QStringList addresses() const;

    // Adds a pair at the end of the file, creating a missing one; false when
    // it cannot be written, the reason then in the file's errorString().
    static bool addPair(DataFile& file, const QString& keyword, const QString& address);

private:
    QStringList m_lines;
};
