#pragma once

#include <QApplication>
#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringList>
#include <QWidget>

#include "TestFiles.h"

// Raw bytes of a data file, to check the on-disk format itself.
inline QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray("<missing>");
    return file.readAll();
}

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

// Controls that take the keyboard focus but give a screen reader no name.
inline QStringList unnamedControls(QWidget* window)
{
    QStringList unnamed;
    for (QWidget* control : window->findChildren<QWidget*>()) {
        if (control->focusPolicy() != Qt::NoFocus && control->accessibleName().isEmpty())
            unnamed << control->objectName();
    }
    return unnamed;
}
