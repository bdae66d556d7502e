#pragma once

#include "InputBox.h"

#include <QList>
#include <QStringList>

// Answers the input box from a script: each answer is the typed text, or
// nothing for a cancelled box; an exhausted script cancels.
class FakeInputBox : public InputBox {
public:
    QList<std::optional<QString>> answers;
    QStringList titles;
    QStringList prompts;

    std::optional<QString> ask(QWidget*, const QString& title, const QString& prompt) override
    {
        titles << title;
        prompts << prompt;
        return answers.isEmpty() ? std::nullopt : answers.takeFirst();
    }
};
