#include "MenuBar.h"

#include "MainWindowCommands.h"
#include "MenuTable.h"

#include <QMenu>

#include <stdexcept>

MenuBar::MenuBar(QWidget* parent) : QMenuBar(parent)
{
    setObjectName(QStringLiteral("menuBar"));
    for (const Menu* table : mainWindowMenus())
        addMenu(createMenu(*table));
}

QMenu* MenuBar::createMenu(const Menu& table)
{
    auto* menu = new QMenu(QString::fromUtf8(table.caption), this);
    menu->setObjectName(QString::fromLatin1(table.name));
    for (const MenuEntry& entry : table.entries) {
        QAction* action = menu->addAction(QString::fromUtf8(entry.caption));
        action->setObjectName(QString::fromLatin1(entry.name));
    }
    return menu;
}

QAction* MenuBar::entry(const char* name) const
{
    auto* action = findChild<QAction*>(QString::fromLatin1(name));
    if (!action)
        throw std::invalid_argument(std::string("no menu entry named ") + name);
    return action;
}

QAction* MenuBar::claim(const char* name)
{
    QAction* action = entry(name);
    if (!m_bound.insert(name).second)
        throw std::invalid_argument(std::string("menu entry bound twice: ") + name);
    return action;
}

bool MenuBar::isBound(const char* name) const
{
    return m_bound.count(name) > 0;
}
