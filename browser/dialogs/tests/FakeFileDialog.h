#pragma once

#include "FileDialog.h"

#include <QStringList>

// Answers the open dialog from a script: each entry is the chosen path, or an
// empty text for a cancelled dialog.
class FakeFileDialog : public FileDialog {
public:
    QStringList answers;
    int shown = 0;

    bool showOpen(QWidget*) override
    {
        ++shown;
        const QString answer = answers.isEmpty() ? QString() : answers.takeFirst();
        if (answer.isEmpty())
            return false;
        m_fileName = answer;
        return true;
    }
    QString fileName() const override { return m_fileName; }

private:
    QString m_fileName;
};
