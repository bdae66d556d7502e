#include "PageFetcher.h"
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

QString reason(QNetworkReply& reply, int status, std::chrono::milliseconds timeout)
{
    // The transfer time-out aborts the reply: nothing else cancels it.
    if (reply.error() == QNetworkReply::OperationCanceledError || reply.error() == QNetworkReply::TimeoutError) {
        return QStringLiteral("le serveur n'a pas répondu dans le délai de %1 secondes")
            .arg(std::chrono::duration_cast<std::chrono::seconds>(timeout).count());
    }
    if (status >= 400) {
        const QString phrase = reply.attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString();
        const QString answer = status == 404 ? QStringLiteral("la page n'existe pas sur le serveur")
                                             : QStringLiteral("le serveur a refusé la demande");
        return QStringLiteral("%1 (erreur HTTP %2%3)")
            .arg(answer)
            .arg(status)
            .arg(phrase.isEmpty() ? QString() : QStringLiteral(" ") + phrase);
    }
    switch (reply.error()) {
    case QNetworkReply::ConnectionRefusedError: return QStringLiteral("le serveur a refusé la connexion");
    case QNetworkReply::HostNotFoundError:
        return QStringLiteral("le serveur est introuvable ; vérifiez l'adresse et la connexion au réseau");
    case QNetworkReply::RemoteHostClosedError:
        return QStringLiteral("le serveur a fermé la connexion avant la fin de l'envoi");
    case QNetworkReply::SslHandshakeFailedError:
        return QStringLiteral("la connexion sécurisée n'a pas pu être établie");
    case QNetworkReply::TooManyRedirectsError:
    case QNetworkReply::InsecureRedirectError:
        return QStringLiteral("le serveur renvoie vers une autre adresse sans fin ou vers une adresse non sécurisée");
    case QNetworkReply::ProxyConnectionRefusedError:
    case QNetworkReply::ProxyNotFoundError:
    case QNetworkReply::ProxyTimeoutError:
    case QNetworkReply::ProxyAuthenticationRequiredError:
        return QStringLiteral("le serveur mandataire (proxy) n'a pas permis la connexion");
    case QNetworkReply::TemporaryNetworkFailureError:
    case QNetworkReply::NetworkSessionFailedError: return QStringLiteral("la connexion au réseau a été perdue");
    default: return QStringLiteral("le transfert a échoué (code %1)").arg(int(reply.error()));
    }
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
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (reply->error() != QNetworkReply::NoError || status >= 400) {
        page.failure = QStringLiteral("Impossible de télécharger la page %1 : %2.")
                           .arg(quoted(address), reason(*reply, status, m_timeout));
    } else {
        page.body = reply->readAll();
        page.contentType = reply->rawHeader("Content-Type");
    }
    reply->deleteLater();
    return page;
}
