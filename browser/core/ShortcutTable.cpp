#include "ShortcutTable.h"

#include "DataFile.h"

ShortcutTable::ShortcutTable(QStringList lines) : m_lines(std::move(lines)) {}

ShortcutTable ShortcutTable::read(const QString& path)
{
    return ShortcutTable(DataFile(path).readLines(data_files::raccourcis.maxLines));
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
