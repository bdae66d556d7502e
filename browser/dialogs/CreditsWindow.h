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
    explicit CreditsWindow(BrowserComponent& pageView);

private:
    BrowserComponent& m_pageView;

    QLabel* m_authorName;
    QLabel* m_authorRole;
    LinkLabel* m_mailLink;
    QLabel* m_groupName;
    LinkLabel* m_directoryLink;
    QPushButton* m_closeButton;
    QLabel* m_photo;
};
