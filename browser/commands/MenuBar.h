#pragma once

#include <QMenuBar>

struct MenuItem;
class QAction;

// The main window's menu bar, built from the menu tree. Commands are bound
// to the entries by name.
class MenuBar : public QMenuBar {
    Q_OBJECT
public:
    explicit MenuBar(QWidget* parent = nullptr);

    // The entry of that name; every name of the tree exists.
    QAction* entry(const char* name) const;

private:
    QMenu* createMenu(const MenuItem& item);
};
