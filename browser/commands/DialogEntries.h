#pragma once

#include "ProgramFolder.h"
#include "SingleWindow.h"

#include <QObject>
#include <QString>

#include <functional>
#include <memory>

class BrowserComponent;
class FileDialog;
class MenuBar;
class MessageBox;
struct PreferredAddressMember;
struct Variables;

// The menu entries that open a secondary window: the four preferred-address
// dialogs, which disable the main window while they are open, the shortcut
// editor and the about window. Each window exists at most once; closing the
// main window closes those still open.
class DialogEntries : public QObject {
    Q_OBJECT
public:
    using FileDialogFactory = std::function<std::unique_ptr<FileDialog>()>;

    DialogEntries(MenuBar& menus, QWidget& mainWindow, Variables& variables,
                  BrowserComponent& wb1, ProgramFolder folder, MessageBox& messages,
                  FileDialogFactory makeFileDialog);
    ~DialogEntries() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    SingleWindow::Builder preferredAddress(const PreferredAddressMember& member);
    void bindPreferredAddress(MenuBar& menus, const char* entry, SingleWindow& window);
    void bindWindow(MenuBar& menus, const char* entry, SingleWindow& window);

    QWidget& m_mainWindow;
    Variables& m_variables;
    BrowserComponent& m_wb1;
    ProgramFolder m_folder;
    MessageBox& m_messages;
    FileDialogFactory m_makeFileDialog;

    SingleWindow f_site;
    SingleWindow f_home;
    SingleWindow f_moteur;
    SingleWindow f_erreur;
    SingleWindow f_facile;
    SingleWindow f_credits;
};
