#pragma once

#include "FileDialog.h"

#include <QStringList>

// Answers the open and save dialogs from a script: each entry is the chosen
// path, or an empty text for a cancelled dialog. Records which dialog was
// shown, in order ("open", "save").
class FakeFileDialog : public FileDialog {
public:
    QStringList answers;
    QStringList calls;

    bool showOpen(QWidget*) override { return answer(QStringLiteral("open")); }
    bool showSave(QWidget*) override { return answer(QStringLiteral("save")); }
    QString fileName() const override { return m_fileName; }

private:
    bool answer(const QString& kind)
    {
        calls << kind;
        const QString answer = answers.isEmpty() ? QString() : answers.takeFirst();
        if (answer.isEmpty())
            return false;
        m_fileName = answer;
        return true;
    }

    QString m_fileName;
};
