#include "MenuBar.h"

#include "MenuTree.h"

#include <QAction>
#include <QMenu>

MenuBar::MenuBar(QWidget* parent)
    : QMenuBar(parent)
{
    setObjectName(QStringLiteral("menuBar"));
    for (const MenuItem& item : menuTree())
        addMenu(createMenu(item));
}

QMenu* MenuBar::createMenu(const MenuItem& item)
{
    auto* menu = new QMenu(QString::fromUtf8(item.caption), this);
    menu->setObjectName(QString::fromLatin1(item.name));
    for (const MenuEntryItem& entry : item.entries) {
        QAction* action = menu->addAction(QString::fromUtf8(entry.caption));
        action->setObjectName(QString::fromLatin1(entry.name));
    }
    return menu;
}

QAction* MenuBar::entry(const char* name) const
{
    auto* action = findChild<QAction*>(QString::fromLatin1(name));
    Q_ASSERT(action);
    return action;
}
