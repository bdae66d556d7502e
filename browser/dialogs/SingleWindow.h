#pragma once

#include <QPointer>
#include <QWidget>

#include <functional>

// A secondary window that exists at most once. Showing it builds the window
// when none is open; otherwise it only brings the open one forward. A closed
// window is discarded, so the next showing builds it anew.
class SingleWindow {
public:
    using Builder = std::function<QWidget*()>;

    explicit SingleWindow(Builder build);
    // A window still open goes with its owner.
    ~SingleWindow();
    SingleWindow(const SingleWindow&) = delete;
    SingleWindow& operator=(const SingleWindow&) = delete;

    // True when a new window was built.
    bool show();
    void close();
    // The open window, or null.
    QWidget* window() const;

private:
    Builder m_build;
    QPointer<QWidget> m_window;
};
