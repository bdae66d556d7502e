#include "ErrorPages.h"

#include "FailureReasons.h"
#include "FrenchQuotes.h"
#include "PageRules.h"

#include <QStringList>

namespace error_pages {

namespace {

const QStringList unreachableAdvice{
    QStringLiteral("Vérifiez l'orthographe de l'adresse."),
    QStringLiteral("Vérifiez que votre ordinateur est connecté au réseau."),
    QStringLiteral("Cliquez sur %1 pour essayer à nouveau.").arg(quoted(QStringLiteral("Actualiser"))),
};

QString page(const QString& title, const QString& message, const QString& address, const QStringList& advice)
{
    QString items;
    for (const QString& line : advice)
        items += QStringLiteral("<li>%1</li>").arg(line.toHtmlEscaped());
    return QStringLiteral("<!DOCTYPE html><html lang=\"fr\"><head><meta charset=\"utf-8\"><title>%1</title>"
                          "<style>body{font-family:sans-serif;margin:2em;color:#222}h1{font-size:1.3em}</style>"
                          "</head><body><h1>%1</h1><p>%2</p><p><code>%3</code></p><ul>%4</ul></body></html>")
        .arg(title.toHtmlEscaped(), message.toHtmlEscaped(), address.toHtmlEscaped(), items);
}

}  // namespace

QString serverNotFound(const QString& address)
{
    return page(QString::fromUtf8(page_rules::notFoundTitle),
                QStringLiteral("Le serveur de cette adresse est introuvable."), address, unreachableAdvice);
}

QString notAnAddress(const QString& text)
{
    return page(QString::fromUtf8(page_rules::notFoundTitle),
                QStringLiteral("Ce texte n'est pas une adresse : aucun serveur ne porte ce nom."), text,
                unreachableAdvice);
}

QString loadFailed(int errorCode, const QString& engineText, const QString& address)
{
    return page(
        QStringLiteral("Impossible d'afficher la page"),
        QStringLiteral("La page n'a pas pu être chargée : %1.").arg(failure_reasons::ofPageLoad(errorCode, engineText)),
        address, unreachableAdvice);
}

QString rendererEnded(failure_reasons::RendererEnd end, const QString& address)
{
    return page(
        QStringLiteral("La page s'est arrêtée"),
        QStringLiteral("L'affichage de cette page s'est interrompu : %1.").arg(failure_reasons::ofRendererEnd(end)),
        address, {QStringLiteral("Cliquez sur %1 pour la recharger.").arg(quoted(QStringLiteral("Actualiser")))});
}

}  // namespace error_pages
