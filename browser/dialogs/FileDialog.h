#pragma once

#include <QString>

class QWidget;

// The standard open-file dialog as a window uses it. One instance lives as long
// as the window that owns it, so it remembers the file chosen last.
class FileDialog {
public:
    virtual ~FileDialog() = default;

    // Shows the dialog modal to the application; true when the user chose a file.
    virtual bool showOpen(QWidget* parent) = 0;
    // Full path of the file chosen last: empty at first, unchanged when the
    // user cancels.
    virtual QString fileName() const = 0;
};
