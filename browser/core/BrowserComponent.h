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
};
