#pragma once

#include <QAction>
#include <QMenuBar>

#include <set>
#include <string>
#include <utility>

struct Menu;

// The main window's menu bar, built from the tables of its menus. Commands are bound
// to the entries by name, one handler per entry.
class MenuBar : public QMenuBar {
    Q_OBJECT
public:
    explicit MenuBar(QWidget* parent = nullptr);

    // The entry of that name. A name outside the menus throws
    // std::invalid_argument, in every build: a misspelt name must not leave an
    // entry silently dead.
    QAction* entry(const char* name) const;

    // Runs the handler whenever the entry is chosen, for as long as the context
    // lives. An unknown name or a second binding of the same entry throws
    // std::invalid_argument.
    template <typename Handler>
    void bind(const char* name, const QObject* context, Handler handler)
    {
        connect(claim(name), &QAction::triggered, context, std::move(handler));
    }

    bool isBound(const char* name) const;

private:
    QMenu* createMenu(const Menu& table);
    QAction* claim(const char* name);

    std::set<std::string> m_bound;
};
