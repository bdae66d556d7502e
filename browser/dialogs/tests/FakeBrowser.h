#pragma once

#include "BrowserComponent.h"

#include <QStringList>
#include <QWidget>

// Records the addresses it is asked to show.
class FakeBrowser : public BrowserComponent {
public:
    QStringList navigated;

    QWidget* widget() override { return &m_widget; }
    void navigate(const QString& address) override { navigated << address; }
    bool goBack() override { return false; }
    bool goForward() override { return false; }
    void refresh() override {}
    void stop() override {}
    void goHome() override {}
    void goSearch() override {}
    QString locationUrl() const override { return {}; }
    QString locationName() const override { return {}; }

private:
    QWidget m_widget;
};
