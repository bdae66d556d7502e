#pragma once

#include "ProgramFolder.h"
#include "Variables.h"

#include <QMainWindow>

#include <memory>

class BrowserComponent;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// The browser's main window, f_exe: the page view wb1 under the address bar,
// shortcut and search boxes, the banner strip wb2, navigation buttons and the
// status line. Controls sit at fixed places in a fixed-size client area; the
// menu bar, when one is set with setMenuBar(), goes above that area.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // Takes both browser components; runs the load step before returning.
    MainWindow(ProgramFolder folder, std::unique_ptr<BrowserComponent> pageView,
               std::unique_ptr<BrowserComponent> bannerStrip, QWidget* parent = nullptr);
    ~MainWindow() override;

    Variables& variables() { return m_variables; }
    const ProgramFolder& programFolder() const { return m_folder; }
    BrowserComponent& pageView() { return *wb1; }
    qint16 historySlot() const { return history_slot; }
    // Buffer of the page-saving command.
    QPlainTextEdit* text1() const { return Text1; }

    // Shows the picture file in the skin area, scaled to it; a path that gives
    // no picture leaves the area blank.
    void showSkin(const QString& picturePath);

    // Visits from the address bar, follows the shortcut, searches the web.
    void visitFromAddressBar();
    void followShortcut();
    void searchWeb();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createControls();
    void setTabOrderOfControls();
    void connectControls();
    void load();
    void onStatusTextChange(const QString& text);
    void onTitleChange();

    ProgramFolder m_folder;
    Variables m_variables;
    qint16 history_slot = 0;
    bool m_tabOrderQueued = false;

    BrowserComponent* wb1;
    BrowserComponent* wb2;
    QComboBox* Combo1 = nullptr;
    QPushButton* Command1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* txt_rechercher = nullptr;
    QLineEdit* txt_facile = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command3 = nullptr;
    QPlainTextEdit* Text1 = nullptr;
    QPushButton* Command4 = nullptr;
    QPushButton* Command5 = nullptr;
    QPushButton* Command6 = nullptr;
    QPushButton* Command7 = nullptr;
    QLabel* Image1 = nullptr;
};
