#pragma once

#include "FileDialog.h"

#include <memory>

// The toolkit's own file dialogs. Without settings: no filter, the toolkit's
// default title.
class QtFileDialog : public FileDialog {
public:
    struct Settings {
        QString title;
        // "label (patterns)"; the dialog shows the label only.
        QString nameFilter;
        // Added to a name typed without one in the save dialog.
        QString defaultSuffix;
    };

    QtFileDialog() = default;
    explicit QtFileDialog(Settings settings) : m_settings(std::move(settings)) {}

    // The main window's cd1, shared by saving and opening pages: both show
    // the saving title, kept as it always was.
    static std::unique_ptr<QtFileDialog> forPages();

    bool showOpen(QWidget* parent) override;
    bool showSave(QWidget* parent) override;
    QString fileName() const override { return m_fileName; }

private:
    bool show(QWidget* parent, bool saving);

    Settings m_settings;
    QString m_fileName;
};
