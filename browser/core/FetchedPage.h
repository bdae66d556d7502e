#pragma once

#include <QByteArray>
#include <QString>

// The outcome of one page download: the body exactly as the server sent it,
// or the reason it could not be had, in French for the user.
struct FetchedPage {
    QByteArray body;
    // The response's Content-Type header, which may declare the character set.
    QByteArray contentType;
    QString failure;
    // Ended by the user (Esc, a window closed): no one is waiting for a reason.
    bool endedByUser = false;

    bool failed() const { return !failure.isEmpty(); }

    // The body as text: decoded by the character set the header declares,
    // else by the page's own byte-order mark or meta declaration, else as
    // Windows-1252.
    QString text() const;
};
