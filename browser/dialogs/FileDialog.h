#pragma once

#include <QString>

class QWidget;

// The standard file dialog as a window uses it. One instance lives as long as
// the window that owns it, so it remembers the file chosen last.
class FileDialog {
public:
    virtual ~FileDialog() = default;

    // Show the dialog modal to the application, to pick an existing file or
    // to name a file to write; true when the user chose a file.
    virtual bool showOpen(QWidget* parent) = 0;
    virtual bool showSave(QWidget* parent) = 0;
    // Full path of the file chosen last in either dialog: empty at first,
    // unchanged when the user cancels.
    virtual QString fileName() const = 0;
};
