#include "SingleWindow.h"

#include <utility>

SingleWindow::SingleWindow(Builder build) : m_build(std::move(build)) {}

SingleWindow::~SingleWindow()
{
    delete m_window.data();
}

QWidget* SingleWindow::window() const
{
    // A closed window is hidden until its deferred deletion runs; it no
    // longer counts as open.
    if (m_window && m_window->isVisible())
        return m_window;
    return nullptr;
}

bool SingleWindow::show()
{
    QWidget* open = window();
    const bool built = open == nullptr;
    if (built) {
        open = m_build();
        open->setAttribute(Qt::WA_DeleteOnClose);
        m_window = open;
    }
    open->show();
    open->raise();
    open->activateWindow();
    return built;
}

void SingleWindow::close()
{
    if (QWidget* open = window())
        open->close();
}
