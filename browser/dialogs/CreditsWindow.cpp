#include "CreditsWindow.h"

#include "AccessibleRoles.h"
#include "BrowserComponent.h"
#include "Endpoints.h"
#include "LinkLabel.h"
#include "Twips.h"
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

CreditsWindow::CreditsWindow(BrowserComponent& wb1)
    : QWidget(nullptr, Qt::Window)
    , m_wb1(wb1)
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

    Label1 = placeInTwips(new QLabel(authorName, this), "Label1", 480, 240, 2055, 255);
    // Deployment values are shown as written, never as markup.
    Label1->setTextFormat(Qt::PlainText);
    Label1->setFont(windowFont("MS Sans Serif", true, false));
    paintText(Label1, QColor(255, 0, 0));

    Label2 = placeInTwips(new QLabel(QStringLiteral("Webmaster du site Dovrane"), this), "Label2", 480, 600, 2055, 255);
    paintText(Label2, QColor(0, 128, 0));

    Label3 = placeInTwips(new LinkLabel(authorEmail, this), "Label3", 480, 960, 2055, 255);
    Label3->setTextFormat(Qt::PlainText);
    Label3->setFont(windowFont("MS Sans Serif", false, true));
    paintText(Label3, linkBlue);

    Label4 = placeInTwips(new QLabel(QStringLiteral("Groupe Dovrane"), this), "Label4", 480, 1440, 1935, 255);
    Label4->setFont(windowFont("MS Sans Serif", true, false));

    Label5 = placeInTwips(new LinkLabel(QStringLiteral(
                       "Moteur de recherche, classement de sites, réseau d'échange de bannières, "
                       "référencement gratuit, annuaire de sites gratuits et bien d'autres tels que "
                       "météo, actualité etc... Cliquez ici!!"), this),
                   "Label5", 120, 1920, 4455, 735);
    Label5->setFont(windowFont("Comic Sans MS", false, true));
    Label5->setWordWrap(true);
    Label5->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    paintText(Label5, linkBlue);

    Command1 = placeInTwips(new QPushButton(QStringLiteral("Fermer la fenêtre"), this), "Command1", 2040, 2880, 2535, 255);
    Command1->setAutoDefault(false);

    Image1 = placeInTwips(new QLabel(this), "Image1", 2760, 120, 1335, 1695);
    Image1->setPixmap(QPixmap(QStringLiteral(":/dialogs/auteur.jpg")));
    Image1->setScaledContents(true);

    for (QLabel* label : {Label1, Label2, static_cast<QLabel*>(Label3), Label4})
        label->setAlignment(Qt::AlignCenter);
    for (QLabel* label : {Label1, Label2, static_cast<QLabel*>(Label3), Label4, static_cast<QLabel*>(Label5)})
        fitTextToBox(label);

    // Names start with the words shown, by which voice control reaches them.
    Label1->setAccessibleName(authorName + QStringLiteral(", auteur"));
    Label3->setAccessibleName(authorEmail + QStringLiteral(", écrire à l'auteur"));
    Label5->setAccessibleDescription(QStringLiteral("Ouvrir le site de l'annuaire Dovrane"));
    Command1->setAccessibleName(QStringLiteral("Fermer la fenêtre"));
    Image1->setAccessibleName(QStringLiteral("Photo de l'auteur"));

    setTabOrder(Label3, Label5);
    setTabOrder(Label5, Command1);
    Command1->setFocus();

    connect(Label3, &LinkLabel::clicked, this, [this, authorEmail] {
        m_wb1.navigate(QStringLiteral("mailto:") + authorEmail);
    });
    connect(Label5, &LinkLabel::clicked, this, [this] {
        m_wb1.navigate(QStringLiteral("http://") + QString::fromUtf8(endpoints::directoryHost));
    });
    connect(Command1, &QPushButton::clicked, this, &QWidget::close);
}
