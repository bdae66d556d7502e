#pragma once

#include "PreferredAddressMember.h"
#include "ProgramFolder.h"

#include <QPointer>
#include <QWidget>

#include <memory>

class FileDialog;
class MessageBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// One of the four dialogs that set a remembered address: typed by hand or a
// local file picked with the open-file dialog. Validating replaces the
// member's data file with the chosen text and, once it is written, sets the
// shared variable. The opener disables the main window; every way out of the
// dialog enables it again.
class PreferredAddressDialog : public QWidget {
    Q_OBJECT
public:
    PreferredAddressDialog(const PreferredAddressMember& member, Variables& variables,
                           const ProgramFolder& folder, QWidget* mainWindow,
                           std::unique_ptr<FileDialog> cd1, MessageBox& messages);
    ~PreferredAddressDialog() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void browse();
    void validate();
    void applyTabOrder();

    const PreferredAddressMember& m_member;
    Variables& m_variables;
    QString m_filePath;
    QPointer<QWidget> m_mainWindow;
    std::unique_ptr<FileDialog> m_cd1;
    MessageBox& m_messages;

    QLabel* Label1;
    QLineEdit* Text1;
    QRadioButton* opt1;
    QLabel* Label2;
    QLineEdit* Text2;
    QRadioButton* opt2;
    QPushButton* Command4;
    QPushButton* Command2;
    QPushButton* Command1;
};
