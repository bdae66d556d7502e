#pragma once

#include "BrowserComponent.h"

#include <QPointer>
#include <QStringList>
#include <QWidget>

// A browser component that records what it is asked to do. Tests set the
// location it reports and raise its events by hand.
class FakeBrowserComponent : public BrowserComponent {
    Q_OBJECT
public:
    explicit FakeBrowserComponent(QObject* parent = nullptr) : BrowserComponent(parent), m_widget(new QWidget)
    {
        m_widget->setFocusPolicy(Qt::StrongFocus);
    }
    ~FakeBrowserComponent() override
    {
        if (m_widget && !m_widget->parent())
            delete m_widget;
    }

    QWidget* widget() override { return m_widget; }
    void navigate(const QString& address) override { navigations.append(address); }
    bool goBack() override
    {
        calls.append(QStringLiteral("goBack"));
        return canGoBack;
    }
    bool goForward() override
    {
        calls.append(QStringLiteral("goForward"));
        return canGoForward;
    }
    void refresh() override { calls.append(QStringLiteral("refresh")); }
    void stop() override { calls.append(QStringLiteral("stop")); }
    void goHome() override { calls.append(QStringLiteral("goHome")); }
    void goSearch() override { calls.append(QStringLiteral("goSearch")); }
    QString locationUrl() const override { return url; }
    QString locationName() const override { return name; }
    void findText(const QString& text, bool matchCase, bool backward) override
    {
        calls.append(QStringLiteral("findText %1%2%3")
                         .arg(text, matchCase ? QStringLiteral(" casse") : QString(),
                              backward ? QStringLiteral(" arrière") : QString()));
    }
    qreal zoomFactor() const override { return zoom; }
    void setZoomFactor(qreal factor) override { zoom = factor; }
    void print() override { calls.append(QStringLiteral("print")); }
    void saveAsPdf() override { calls.append(QStringLiteral("saveAsPdf")); }

    // Shows a page: sets the location, then raises the events the engine would.
    void showPage(const QString& pageUrl, const QString& pageName, const QString& statusText = {})
    {
        url = pageUrl;
        name = pageName;
        emit titleChange(pageName);
        emit statusTextChange(statusText);
    }

    QStringList navigations;
    QStringList calls;
    QString url;
    QString name;
    bool canGoBack = false;
    bool canGoForward = false;
    qreal zoom = 1.0;

private:
    QPointer<QWidget> m_widget;
};
