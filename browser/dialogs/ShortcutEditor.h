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

    QListWidget* m_keywordList;
    QLineEdit* m_keywordBox;
    QLineEdit* m_addressBox;
    QPushButton* m_validateButton;
    QLabel* m_confirmation;
    QListWidget* m_addressList;
    QPushButton* m_closeButton;
};
