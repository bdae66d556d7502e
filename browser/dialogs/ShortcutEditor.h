#pragma once

#include "ProgramFolder.h"

#include <QString>
#include <QWidget>

class MessageBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

// The shortcut editor: lists the keyword/address pairs of raccourcis.txt and
// appends new pairs to it. Shortcuts are only ever added.
class ShortcutEditor : public QWidget {
    Q_OBJECT
public:
    ShortcutEditor(const ProgramFolder& folder, MessageBox& messages);

private:
    void load();
    void validate();

    QString m_filePath;
    MessageBox& m_messages;

    QListWidget* List1;
    QLineEdit* Text1;
    QLineEdit* Text2;
    QPushButton* Command1;
    QLabel* Label1;
    QListWidget* List2;
    QPushButton* Command2;
};
