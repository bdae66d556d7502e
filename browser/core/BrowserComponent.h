#pragma once

#include <QObject>
#include <QString>

class QWidget;

// The embedded HTML browser as the windows and commands see it. Every call is
// made on the user-interface thread; navigation returns at once and loading goes
// on asynchronously, reported through the signals below.
class BrowserComponent : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    ~BrowserComponent() override = default;

    // The widget to place in a window; owned by the component.
    virtual QWidget* widget() = 0;

    // Address exactly as typed or stored: web address, local file path or "mailto:".
    virtual void navigate(const QString& address) = 0;
    // One step in the component's own history; false when there is no such page.
    virtual bool goBack() = 0;
    virtual bool goForward() = 0;
    virtual void refresh() = 0;
    virtual void stop() = 0;
    // Start and search pages configured for the system's web browser.
    virtual void goHome() = 0;
    virtual void goSearch() = 0;

    // Address of the document shown.
    virtual QString locationUrl() const = 0;
    // Name of the document shown: the title of an HTML page.
    virtual QString locationName() const = 0;

    // Looks for the text in the page shown, from the match selected last on,
    // and marks every match; answered by findTextFinished. An empty text ends
    // the search and clears the marks.
    virtual void findText(const QString& text, bool matchCase, bool backward) = 0;
    // How large pages are drawn, 1 for their own size; kept from page to page
    // for the life of the component.
    virtual qreal zoomFactor() const = 0;
    virtual void setZoomFactor(qreal factor) = 0;
    // The system's print dialog, then the page to the chosen printer.
    virtual void print() = 0;
    // Asks where through the save dialog and writes the page there as PDF; the
    // outcome comes as a status text.
    virtual void saveAsPdf() = 0;

signals:
    void statusTextChange(const QString& text);
    void titleChange(const QString& title);
    // The component received the keyboard focus, also by a mouse click into it.
    void gotFocus();
    // The document asked for last is shown (ok) or could not be loaded.
    void loadFinished(bool ok);
    // The page asked to open an address in a new window (a link with a target,
    // a script, "open link" in the right-click menu); the component does not
    // open it itself.
    void newWindowRequested(const QString& address);
    // What drew the page ended abnormally (a crash, the system stopping it for
    // lack of memory). The component shows a page that says so, and refresh
    // loads the page again.
    void pageCrashed();
    // After findText: the selected match, counted from 1, of how many; 0 of 0
    // when the text is not in the page.
    void findTextFinished(int activeMatch, int matches);
    // The user asked, from the page's right-click menu, to search the page.
    void findRequested();
};
