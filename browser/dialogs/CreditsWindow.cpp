#include "CreditsWindow.h"

#include "AccessibleRoles.h"
#include "BrowserComponent.h"
#include "Endpoints.h"
#include "LinkLabel.h"
#include "Twips.h"
#include "WebAddresses.h"
#include "WindowFont.h"

#include <QLabel>
#include <QPalette>
#include <QPixmap>
#include <QPushButton>

// Resources of a static library are registered by hand before their first use.
static void initResources()
{
    Q_INIT_RESOURCE(dialogs);
}

namespace {

void paintText(QWidget* control, const QColor& colour)
{
    QPalette palette = control->palette();
    palette.setColor(QPalette::WindowText, colour);
    control->setPalette(palette);
}

const QColor linkBlue(0, 0, 192);

}  // namespace

CreditsWindow::CreditsWindow(BrowserComponent& pageView) : QWidget(nullptr, Qt::Window), m_pageView(pageView)
{
    initResources();
    accessible_roles::announceWindows();
    setObjectName(QStringLiteral("f_credits"));
    setWindowTitle(QStringLiteral("Crédits"));
    setFont(windowFont());
    setFixedSize(twipsToPixels(4680), twipsToPixels(3195));
    QPalette background = palette();
    background.setColor(QPalette::Window, QColor(255, 255, 192));
    setPalette(background);
    setAutoFillBackground(true);

    const QString authorName = QString::fromUtf8(endpoints::authorName);
    const QString authorEmail = QString::fromUtf8(endpoints::authorEmail);

    m_authorName = placeInTwips(new QLabel(authorName, this), "Label1", 480, 240, 2055, 255);
    // Deployment values are shown as written, never as markup.
    m_authorName->setTextFormat(Qt::PlainText);
    m_authorName->setFont(windowFont("MS Sans Serif", true, false));
    paintText(m_authorName, QColor(255, 0, 0));

    m_authorRole =
        placeInTwips(new QLabel(QStringLiteral("Webmaster du site Dovrane"), this), "Label2", 480, 600, 2055, 255);
    paintText(m_authorRole, QColor(0, 128, 0));

    m_mailLink = placeInTwips(new LinkLabel(authorEmail, this), "Label3", 480, 960, 2055, 255);
    m_mailLink->setTextFormat(Qt::PlainText);
    m_mailLink->setFont(windowFont("MS Sans Serif", false, true));
    paintText(m_mailLink, linkBlue);

    m_groupName = placeInTwips(new QLabel(QStringLiteral("Groupe Dovrane"), this), "Label4", 480, 1440, 1935, 255);
    m_groupName->setFont(windowFont("MS Sans Serif", true, false));

    m_directoryLink = placeInTwips(
        new LinkLabel(QStringLiteral("Moteur de recherche, classement de sites, réseau d'échange de bannières, "
                                     "référencement gratuit, annuaire de sites gratuits et bien d'autres tels que "
                                     "météo, actualité etc... Cliquez ici!!"),
                      this),
        "Label5", 120, 1920, 4455, 735);
    m_directoryLink->setFont(windowFont("Comic Sans MS", false, true));
    m_directoryLink->setWordWrap(true);
    m_directoryLink->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    paintText(m_directoryLink, linkBlue);

    m_closeButton =
        placeInTwips(new QPushButton(QStringLiteral("Fermer la fenêtre"), this), "Command1", 2040, 2880, 2535, 255);
    m_closeButton->setAutoDefault(false);

    m_photo = placeInTwips(new QLabel(this), "Image1", 2760, 120, 1335, 1695);
    m_photo->setPixmap(QPixmap(QStringLiteral(":/dialogs/auteur.jpg")));
    m_photo->setScaledContents(true);

    for (QLabel* label : {m_authorName, m_authorRole, static_cast<QLabel*>(m_mailLink), m_groupName})
        label->setAlignment(Qt::AlignCenter);
    for (QLabel* label : {m_authorName, m_authorRole, static_cast<QLabel*>(m_mailLink), m_groupName,
                          static_cast<QLabel*>(m_directoryLink)})
        fitTextToBox(label);

    // Names start with the words shown, by which voice control reaches them.
    m_authorName->setAccessibleName(authorName + QStringLiteral(", auteur"));
    m_mailLink->setAccessibleName(authorEmail + QStringLiteral(", écrire à l'auteur"));
    m_directoryLink->setAccessibleDescription(QStringLiteral("Ouvrir le site de l'annuaire Dovrane"));
    m_closeButton->setAccessibleName(QStringLiteral("Fermer la fenêtre"));
    m_photo->setAccessibleName(QStringLiteral("Photo de l'auteur"));

    setTabOrder(m_mailLink, m_directoryLink);
    setTabOrder(m_directoryLink, m_closeButton);
    m_closeButton->setFocus();

    connect(m_mailLink, &LinkLabel::clicked, this,
            [this, authorEmail] { m_pageView.navigate(QStringLiteral("mailto:") + authorEmail); });
    connect(m_directoryLink, &LinkLabel::clicked, this,
            [this] { m_pageView.navigate(web_addresses::directorySite()); });
    connect(m_closeButton, &QPushButton::clicked, this, &QWidget::close);
}
