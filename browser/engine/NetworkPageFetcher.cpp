#include "NetworkPageFetcher.h"
#include "FailureReasons.h"
#include "FrenchQuotes.h"

#include <QApplication>
#include <QEvent>
#include <QEventLoop>
#include <QKeyEvent>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPointer>
#include <QTimer>
#include <QUrl>
#include <QWidget>

#include <functional>
#include <utility>

namespace {

// Keeps the user's hands off the program while it waits: input is dropped,
// not kept for later. Esc and a window's close are the way out: the first
// ends the wait, the second too, and the window is closed once it is over.
class InputBlocker : public QObject {
public:
    explicit InputBlocker(std::function<void()> endWait) : m_endWait(std::move(endWait))
    {
        qApp->installEventFilter(this);
        QApplication::setOverrideCursor(Qt::WaitCursor);
    }
    ~InputBlocker() override
    {
        QApplication::restoreOverrideCursor();
        qApp->removeEventFilter(this);
        for (const QPointer<QWidget>& window : std::as_const(m_closing)) {
            if (window)
                QTimer::singleShot(0, window, &QWidget::close);
        }
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::ShortcutOverride:
            // Esc may be a window's shortcut, which would take the key first.
            if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape)
                m_endWait();
            return true;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::NonClientAreaMouseButtonPress:
        case QEvent::NonClientAreaMouseButtonRelease:
        case QEvent::NonClientAreaMouseButtonDblClick:
        case QEvent::Wheel:
        case QEvent::KeyRelease:
        case QEvent::Shortcut:
        case QEvent::ContextMenu:
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
        case QEvent::TabletPress:
        case QEvent::TabletRelease: return true;
        case QEvent::Close:
            // Closed afterwards, so that the caller, back from the wait, does
            // not go on with a window gone under it.
            if (watched->isWidgetType() && static_cast<QWidget*>(watched)->isWindow()) {
                event->ignore();
                m_closing.append(static_cast<QWidget*>(watched));
                m_endWait();
                return true;
            }
            return false;
        default: return false;
        }
    }

private:
    std::function<void()> m_endWait;
    QList<QPointer<QWidget>> m_closing;
};

QString notAWebAddress(const QString& address)
{
    if (address.isEmpty())
        return QStringLiteral("Aucune page n'est affichée : il n'y a rien à télécharger.");
    if (address.compare(QLatin1String("about:blank"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("La page affichée est une page vide (about:blank) : "
                              "il n'y a rien à télécharger.");
    return QStringLiteral("L'adresse %1 n'est pas une adresse Internet (http ou https) : "
                          "un fichier local ou une page interne ne peut pas être téléchargé.")
        .arg(quoted(address));
}

// An error page is a page: its body is what the server sent, as for any other
// status. Qt reports an error status through one of these errors; any other
// error means that the answer was cut off or never came.
bool answeredInFull(const QNetworkReply& reply)
{
    using R = QNetworkReply;
    const R::NetworkError error = reply.error();
    if (error == R::NoError)
        return true;
    const bool statusError =
        (error >= R::ContentAccessDenied && error <= R::UnknownContentError && error != R::ContentReSendError) ||
        (error >= R::InternalServerError && error <= R::UnknownServerError) ||
        error == R::ProtocolInvalidOperationError || error == R::ProxyAuthenticationRequiredError;
    return statusError && reply.attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt() >= 400;
}

QString cannotFetch(const QString& address, const QString& reason)
{
    return QStringLiteral("Impossible de télécharger la page %1 : %2.").arg(quoted(address), reason);
}

}  // namespace

NetworkPageFetcher::NetworkPageFetcher(std::chrono::milliseconds deadline) : m_deadline(deadline)
{
    m_network.setRedirectPolicy(QNetworkRequest::NoLessSafeRedirectPolicy);
}

FetchedPage NetworkPageFetcher::fetch(const QString& address)
{
    const QUrl url(address);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || (scheme != QLatin1String("http") && scheme != QLatin1String("https")) || url.host().isEmpty())
        return FetchedPage{{}, {}, notAWebAddress(address)};

    enum class End { Answered, Deadline, TooLarge, ByUser };
    End end = End::Answered;
    QByteArray body;
    QEventLoop loop;
    QNetworkReply* reply = m_network.get(QNetworkRequest(url));
    // The network thread stops reading from the server while this much waits
    // unread, so what the process holds stays near the body's size.
    constexpr qint64 chunk = 1024 * 1024;
    reply->setReadBufferSize(chunk);
    auto stop = [&](End why) {
        if (reply->isFinished())
            return;
        if (end == End::Answered)
            end = why;
        reply->abort();
    };
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    QObject::connect(reply, &QNetworkReply::metaDataChanged, &loop, [&] {
        if (reply->header(QNetworkRequest::ContentLengthHeader).toLongLong() > sizeLimit)
            stop(End::TooLarge);
    });
    QObject::connect(reply, &QNetworkReply::readyRead, &loop, [&] {
        // Room for the largest body at once: growing by copies would hold
        // twice its size for a moment. Pages never written stay virtual.
        if (body.capacity() == 0)
            body.reserve(sizeLimit + chunk);
        body += reply->readAll();
        if (body.size() > sizeLimit)
            stop(End::TooLarge);
    });
    QTimer deadline;
    deadline.setSingleShot(true);
    QObject::connect(&deadline, &QTimer::timeout, &loop, [&] { stop(End::Deadline); });
    {
        InputBlocker blocker([&] { stop(End::ByUser); });
        deadline.start(m_deadline);
        if (!reply->isFinished())
            loop.exec();
        // The event loop itself was ended (the program quits).
        stop(End::ByUser);
    }

    FetchedPage page;
    switch (end) {
    case End::Answered:
        if (answeredInFull(*reply)) {
            body += reply->readAll();
            body.squeeze();
            page.body = body;
            page.contentType = reply->rawHeader("Content-Type");
        } else {
            page.failure = cannotFetch(address, failure_reasons::ofFetch(reply->error()));
        }
        break;
    case End::Deadline: page.failure = cannotFetch(address, failure_reasons::fetchUnfinished(m_deadline)); break;
    case End::TooLarge:
        page.failure = QStringLiteral("La page dépasse %1 Mo : son téléchargement (%2) a été arrêté ; "
                                      "elle n'est ni affichée ni enregistrée.")
                           .arg(sizeLimit / (1024 * 1024))
                           .arg(quoted(address));
        break;
    case End::ByUser:
        page.failure = QStringLiteral("Le téléchargement de la page %1 a été interrompu.").arg(quoted(address));
        page.endedByUser = true;
        break;
    }
    reply->deleteLater();
    return page;
}
