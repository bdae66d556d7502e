#pragma once

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QString>
#include <QStringList>
#include <QWidget>

#include "TestFiles.h"

template <typename Control = QWidget>
Control* child(QWidget* window, const char* name)
{
    auto* found = window->findChild<Control*>(QString::fromLatin1(name));
    if (!found)
        qFatal("no control %s", name);
    return found;
}

// The open top-level windows of that name; a closed one stays hidden until
// its deferred deletion.
inline QList<QWidget*> openWindows(const char* name)
{
    QList<QWidget*> found;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() == QLatin1String(name) && window->isVisible())
            found << window;
    }
    return found;
}

inline QWidget* openWindow(const char* name)
{
    const QList<QWidget*> found = openWindows(name);
    if (found.size() != 1)
        qFatal("%lld windows %s open", qlonglong(found.size()), name);
    return found.first();
}

// What a screen reader would announce wrongly in the window: a window that is
// not announced as a window or dialog named by its caption, a control that
// takes the focus without a name, a caption or label text missing from its
// control's name (voice control reaches a control by the words it shows).
inline QStringList accessibilityFaults(QWidget* window)
{
    QStringList faults;
    QAccessibleInterface* announced = QAccessible::queryAccessibleInterface(window);
    if (announced->role() != QAccessible::Window && announced->role() != QAccessible::Dialog)
        faults << window->objectName() + QStringLiteral(": not a window");
    if (announced->text(QAccessible::Name) != window->windowTitle())
        faults << window->objectName() + QStringLiteral(": named ") + announced->text(QAccessible::Name);
    for (QWidget* control : window->findChildren<QWidget*>()) {
        const QString name = QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name);
        QString shown;
        if (auto* button = qobject_cast<QAbstractButton*>(control))
            shown = button->text().remove(QLatin1Char('&'));
        else if (auto* label = qobject_cast<QLabel*>(control))
            shown = label->text();
        if (control->focusPolicy() != Qt::NoFocus && name.isEmpty())
            faults << control->objectName() + QStringLiteral(": no name");
        else if (!name.contains(shown))
            faults << control->objectName() + QStringLiteral(": named ") + name;
        // A box is reached by the words of the label in front of it.
        auto* label = qobject_cast<QLabel*>(control);
        if (QWidget* buddy = label ? label->buddy() : nullptr) {
            const QString words = label->text().remove(QLatin1Char('&')).remove(QLatin1Char(':')).trimmed();
            const QString boxName = QAccessible::queryAccessibleInterface(buddy)->text(QAccessible::Name);
            if (!boxName.contains(words))
                faults << buddy->objectName() + QStringLiteral(": named ") + boxName;
        }
    }
    return faults;
}
