#pragma once

#include <QString>

class QWidget;

// Modal messages of the secondary windows.
class MessageBox {
public:
    virtual ~MessageBox() = default;

    // Tells the user that something failed; returns once the user has read it.
    virtual void warning(QWidget* parent, const QString& title, const QString& text) = 0;
};
