#include "AddressBar.h"

#include "BrowserComponent.h"
#include "DataFile.h"

#include <QAbstractItemModel>

#include <limits>

namespace {

QString entryAt(const QAbstractItemModel& list, int position)
{
    if (position >= list.rowCount())
        return QString();
    return list.data(list.index(position, 0)).toString();
}

}  // namespace

AddressBar::Outcome AddressBar::visit(QAbstractItemModel& list, qint16& historySlot, const QString& typed,
                                      const QString& historyPath, BrowserComponent& browser)
{
    Outcome outcome;
    // The first empty entry is reused wherever it lies, even one loaded from
    // an empty history line; kept: stored files and users rely on this.
    int position = -1;
    for (int i = 0; i <= lastHistoryPosition; ++i) {
        if (entryAt(list, i).isEmpty()) {
            position = i;
            break;
        }
    }
    // A history already full still takes the new address, at its end: the
    // user asked to visit what was typed, never an older entry.
    if (position < 0)
        position = list.rowCount();

    if (list.columnCount() == 0)
        list.insertColumns(0, 1);
    if (position >= list.rowCount()) {
        position = list.rowCount();
        list.insertRows(position, 1);
    }
    list.setData(list.index(position, 0), typed);
    historySlot = qint16(qMin(position, int(std::numeric_limits<qint16>::max())));
    outcome.position = position;

    DataFile history(historyPath);
    outcome.historySaved = history.appendLines({typed});
    if (!outcome.historySaved)
        outcome.historyError = history.errorString();

    browser.navigate(typed);
    return outcome;
}
