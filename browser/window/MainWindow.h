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
// menu bar, when one is set with setMenuBar(), goes above that area. Each
// control's object name is its name on the form (Combo1, Command1...), which
// the keyboard order, tests and screen readers go by.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // Takes both browser components; runs the load step, which fills the
    // shared variables, before returning. The variables outlive the window.
    MainWindow(ProgramFolder folder, Variables& variables, std::unique_ptr<BrowserComponent> pageView,
               std::unique_ptr<BrowserComponent> bannerStrip, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The address-bar list position filled last.
    qint16 historySlot() const { return m_historySlot; }
    // Holds the page text that the save command downloads, between the
    // download and the write.
    QPlainTextEdit& saveBuffer() const { return *m_saveBuffer; }

    // Shows the picture file in the skin area, scaled to it; an empty path
    // clears the area. False, with the area unchanged, when the file cannot be
    // read as a picture.
    bool showSkin(const QString& picturePath);

    // Visits from the address bar, follows the shortcut, searches the web.
    void visitFromAddressBar();
    // The address typed into the address bar and confirmed (an address given
    // on the command line).
    void visit(const QString& address);
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
    Variables& m_variables;
    qint16 m_historySlot = 0;
    bool m_tabOrderQueued = false;

    BrowserComponent* m_pageView;     // wb1
    BrowserComponent* m_bannerStrip;  // wb2
    QComboBox* m_addressBar = nullptr;
    QPushButton* m_goButton = nullptr;
    QLabel* m_addressLabel = nullptr;
    QLabel* m_statusLine = nullptr;
    QLineEdit* m_searchWords = nullptr;
    QLineEdit* m_shortcutKeyword = nullptr;
    QPushButton* m_shortcutButton = nullptr;
    QPushButton* m_searchButton = nullptr;
    QPlainTextEdit* m_saveBuffer = nullptr;
    QPushButton* m_refreshButton = nullptr;
    QPushButton* m_stopButton = nullptr;
    QPushButton* m_forwardButton = nullptr;
    QPushButton* m_backButton = nullptr;
    QLabel* m_skin = nullptr;
};
