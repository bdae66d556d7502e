#include "PageFetcher.h"
#include "FailureReasons.h"
#include "FrenchQuotes.h"

#include <QApplication>
#include <QEvent>
#include <QEventLoop>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QUrl>
#include <QWidget>

namespace {

// Keeps the user's hands off the program while it waits: input is dropped,
// not kept for later, and a window cannot be closed from its title bar.
class InputBlocker : public QObject {
public:
    InputBlocker()
    {
        qApp->installEventFilter(this);
        QApplication::setOverrideCursor(Qt::WaitCursor);
    }
    ~InputBlocker() override
    {
        QApplication::restoreOverrideCursor();
        qApp->removeEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::NonClientAreaMouseButtonPress:
        case QEvent::NonClientAreaMouseButtonRelease:
        case QEvent::NonClientAreaMouseButtonDblClick:
        case QEvent::Wheel:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::Shortcut:
        case QEvent::ContextMenu:
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
        case QEvent::TabletPress:
        case QEvent::TabletRelease: return true;
        case QEvent::Close:
            if (watched->isWidgetType() && static_cast<QWidget*>(watched)->isWindow()) {
                event->ignore();
                return true;
            }
            return false;
        default: return false;
        }
    }
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

}  // namespace

PageFetcher::PageFetcher()
{
    m_network.setRedirectPolicy(QNetworkRequest::NoLessSafeRedirectPolicy);
}

FetchedPage PageFetcher::fetch(const QString& address)
{
    const QUrl url(address);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || (scheme != QLatin1String("http") && scheme != QLatin1String("https")) || url.host().isEmpty())
        return FetchedPage{{}, {}, notAWebAddress(address)};

    QNetworkRequest request(url);
    request.setTransferTimeout(int(m_timeout.count()));

    InputBlocker blocker;
    QEventLoop loop;
    QNetworkReply* reply = m_network.get(request);
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    if (!reply->isFinished())
        loop.exec();

    FetchedPage page;
    if (answeredInFull(*reply)) {
        page.body = reply->readAll();
        page.contentType = reply->rawHeader("Content-Type");
    } else {
        page.failure = QStringLiteral("Impossible de télécharger la page %1 : %2.")
                           .arg(quoted(address), failure_reasons::ofFetch(reply->error(), m_timeout));
    }
    reply->deleteLater();
    return page;
}
