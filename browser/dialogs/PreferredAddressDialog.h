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
    PreferredAddressDialog(const PreferredAddressMember& member, Variables& variables, const ProgramFolder& folder,
                           QWidget* mainWindow, std::unique_ptr<FileDialog> fileDialog, MessageBox& messages);
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
    std::unique_ptr<FileDialog> m_fileDialog;
    MessageBox& m_messages;

    QLabel* m_addressLabel;
    QLineEdit* m_addressBox;
    QRadioButton* m_useAddress;
    QLabel* m_fileLabel;
    QLineEdit* m_fileBox;
    QRadioButton* m_useFile;
    QPushButton* m_browseButton;
    QPushButton* m_cancelButton;
    QPushButton* m_validateButton;
};
