#include "ShortcutTable.h"

#include "DataFile.h"

ShortcutTable::ShortcutTable(QStringList lines) : m_lines(std::move(lines)) {}

ShortcutTable ShortcutTable::read(const QString& path)
{
    return ShortcutTable(DataFile(path).readLines(data_files::raccourcis.maxLines));
}

QStringList ShortcutTable::keywords() const
{
    QStringList keywords;
    for (qsizetype i = 0; i < m_lines.size(); i += 2)
        keywords << m_lines.at(i);
    return keywords;
}

QStringList ShortcutTable::addresses() const
{
    QStringList addresses;
    for (qsizetype i = 1; i < m_lines.size(); i += 2)
        addresses << m_lines.at(i);
    return addresses;
}

bool ShortcutTable::addPair(DataFile& file, const QString& keyword, const QString& address)
{
    return file.appendLines({keyword, address});
}

std::optional<QString> ShortcutTable::addressFor(const QString& keyword) const
{
    std::optional<QString> address;
    for (qsizetype i = 0; i + 1 < m_lines.size(); i += 2) {
        if (m_lines.at(i) == keyword)
            address = m_lines.at(i + 1);
    }
    return address;
}
