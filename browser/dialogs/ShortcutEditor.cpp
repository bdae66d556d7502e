#include "ShortcutEditor.h"

#include "AccessibleRoles.h"
#include "DataFile.h"
#include "MessageBox.h"
#include "Twips.h"
#include "WindowFont.h"

#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>

namespace {

constexpr int maxLines = 1001;

}  // namespace

ShortcutEditor::ShortcutEditor(const ProgramFolder& folder, MessageBox& messages)
    : QWidget(nullptr, Qt::Window)
    , m_filePath(folder.filePath(QStringLiteral("raccourcis.txt")))
    , m_messages(messages)
{
    accessible_roles::announceWindows();
    setObjectName(QStringLiteral("f_facile"));
    setWindowTitle(QStringLiteral("Saisie des raccourcis"));
    setFont(windowFont());
    setFixedSize(twipsToPixels(3480), twipsToPixels(3105));

    List1 = placeInTwips(new QListWidget(this), "List1", 120, 120, 855, 2595);
    Text1 = placeInTwips(new QLineEdit(QStringLiteral("Mot clé"), this), "Text1", 2040, 120, 1335, 285);
    Text2 = placeInTwips(new QLineEdit(QStringLiteral("URL"), this), "Text2", 2040, 600, 1335, 285);
    Command1 = placeInTwips(new QPushButton(QStringLiteral("&Valider"), this), "Command1", 2040, 1080, 1335, 255);
    Label1 = placeInTwips(new QLabel(this), "Label1", 2040, 1680, 1335, 1215);
    List2 = placeInTwips(new QListWidget(this), "List2", 1080, 120, 855, 2595);
    Command2 = placeInTwips(new QPushButton(QStringLiteral("Fermer la fenêtre"), this), "Command2", 120, 2760, 1695, 255);

    Text1->setToolTip(QStringLiteral(
        "C'est par ce mot que vous accederez à l'url du champs de saisie ci-dessous."));
    Text2->setToolTip(QStringLiteral("URL associée au mot clé précédemment entré"));
    // The sentence shows what the user typed, never markup made of it.
    Label1->setTextFormat(Qt::PlainText);
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    List1->setAccessibleName(QStringLiteral("Mots clés enregistrés"));
    List2->setAccessibleName(QStringLiteral("Adresses enregistrées"));
    Text1->setAccessibleName(QStringLiteral("Nouveau mot clé"));
    Text2->setAccessibleName(QStringLiteral("Adresse du nouveau mot clé"));
    Command1->setAccessibleName(QStringLiteral("Valider"));
    Label1->setAccessibleDescription(QStringLiteral("Confirmation"));
    Command2->setAccessibleName(QStringLiteral("Fermer la fenêtre"));
    for (QPushButton* button : {Command1, Command2})
        button->setAutoDefault(false);

    setTabOrder(List1, Text1);
    setTabOrder(Text1, Text2);
    setTabOrder(Text2, Command1);
    setTabOrder(Command1, List2);
    setTabOrder(List2, Command2);
    List1->setFocus();

    connect(Command1, &QPushButton::clicked, this, &ShortcutEditor::validate);
    connect(Command2, &QPushButton::clicked, this, &QWidget::close);

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    load();
}

void ShortcutEditor::load()
{
    // Lines are paired by position only: keywords at even positions, addresses
    // at odd ones. A missing file lists nothing.
    const QStringList lines = DataFile(m_filePath).readLines(maxLines);
    for (qsizetype i = 0; i < lines.size(); ++i)
        (i % 2 == 0 ? List1 : List2)->addItem(lines.at(i));
}

void ShortcutEditor::validate()
{
    const QString keyword = Text1->text();
    const QString address = Text2->text();
    DataFile file(m_filePath);
    if (!file.appendLines({keyword, address})) {
        m_messages.warning(this, windowTitle(),
                           QStringLiteral("Impossible d'enregistrer le raccourci dans le fichier « %1 » : %2")
                               .arg(QDir::toNativeSeparators(m_filePath), file.errorString()));
        return;
    }
    Label1->setText(QStringLiteral("Félicitations! Maintenant, il vous suffit de taper le mot ")
                    + keyword + QLatin1Char(' ') + QStringLiteral("pour accéder à l'adresse ")
                    + address);
    Label1->setFont(font());
    fitTextToBox(Label1);
    List1->addItem(keyword);
    List2->addItem(address);
}
