#pragma once

#include <QWidget>

class BrowserComponent;
class LinkLabel;
class QLabel;
class QPushButton;

// The about window: the author, and links to write to the author and to the
// Dovrane directory, both opened through the main window's page view.
class CreditsWindow : public QWidget {
    Q_OBJECT
public:
    explicit CreditsWindow(BrowserComponent& wb1);

private:
    BrowserComponent& m_wb1;

    QLabel* Label1;
    QLabel* Label2;
    LinkLabel* Label3;
    QLabel* Label4;
    LinkLabel* Label5;
    QPushButton* Command1;
    QLabel* Image1;
};
