#pragma once

#include <QDialog>

class BrowserComponent;
class QCheckBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;

// "Rechercher dans la page", f_recherche: looks for a text in the page view
// as it is typed; Enter (or "Suivant") steps to the next match, Shift+Enter
// (or "Précédent") to the one before. Modeless: the page can be read and
// scrolled while it is open. Closing it clears the marks in the page.
class FindWindow : public QDialog {
    Q_OBJECT
public:
    explicit FindWindow(BrowserComponent& pageView);

    // The text field takes the focus with its text selected, to type anew
    // (Ctrl+F again while the window is open).
    void focusText();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void find(bool backward);
    void showResult(int activeMatch, int matches);

    BrowserComponent& m_pageView;
    QLineEdit* m_text;
    QCheckBox* m_matchCase;
    QPushButton* m_nextButton;
    QPushButton* m_previousButton;
    QLabel* m_result;
};
