#include "ShortcutEditor.h"

#include "AccessibleRoles.h"
#include "DataFile.h"
#include "DataFiles.h"
#include "FailureReasons.h"
#include "MessageBox.h"
#include "ShortcutTable.h"
#include "Twips.h"
#include "WindowFont.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>

ShortcutEditor::ShortcutEditor(const ProgramFolder& folder, MessageBox& messages)
    : QWidget(nullptr, Qt::Window)
    , m_filePath(data_files::pathOf(data_files::raccourcis, folder))
    , m_messages(messages)
{
    accessible_roles::announceWindows();
    setObjectName(QStringLiteral("f_facile"));
    setWindowTitle(QStringLiteral("Saisie des raccourcis"));
    setFont(windowFont());
    setFixedSize(twipsToPixels(3480), twipsToPixels(3105));

    m_keywordList = placeInTwips(new QListWidget(this), "List1", 120, 120, 855, 2595);
    m_keywordBox = placeInTwips(new QLineEdit(QStringLiteral("Mot clé"), this), "Text1", 2040, 120, 1335, 285);
    m_addressBox = placeInTwips(new QLineEdit(QStringLiteral("URL"), this), "Text2", 2040, 600, 1335, 285);
    m_validateButton =
        placeInTwips(new QPushButton(QStringLiteral("&Valider"), this), "Command1", 2040, 1080, 1335, 255);
    m_confirmation = placeInTwips(new QLabel(this), "Label1", 2040, 1680, 1335, 1215);
    m_addressList = placeInTwips(new QListWidget(this), "List2", 1080, 120, 855, 2595);
    m_closeButton =
        placeInTwips(new QPushButton(QStringLiteral("Fermer la fenêtre"), this), "Command2", 120, 2760, 1695, 255);

    // Spelling as written; kept: users rely on these texts.
    m_keywordBox->setToolTip(
        QStringLiteral("C'est par ce mot que vous accederez à l'url du champs de saisie ci-dessous."));
    m_addressBox->setToolTip(QStringLiteral("URL associée au mot clé précédemment entré"));
    // The sentence shows what the user typed, never markup made of it.
    m_confirmation->setTextFormat(Qt::PlainText);
    m_confirmation->setWordWrap(true);
    m_confirmation->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    m_keywordList->setAccessibleName(QStringLiteral("Mots clés enregistrés"));
    m_addressList->setAccessibleName(QStringLiteral("Adresses enregistrées"));
    m_keywordBox->setAccessibleName(QStringLiteral("Nouveau mot clé"));
    m_addressBox->setAccessibleName(QStringLiteral("Adresse du nouveau mot clé"));
    m_validateButton->setAccessibleName(QStringLiteral("Valider"));
    m_confirmation->setAccessibleDescription(QStringLiteral("Confirmation"));
    m_closeButton->setAccessibleName(QStringLiteral("Fermer la fenêtre"));
    for (QPushButton* button : {m_validateButton, m_closeButton})
        button->setAutoDefault(false);

    setTabOrder(m_keywordList, m_keywordBox);
    setTabOrder(m_keywordBox, m_addressBox);
    setTabOrder(m_addressBox, m_validateButton);
    setTabOrder(m_validateButton, m_addressList);
    setTabOrder(m_addressList, m_closeButton);
    m_keywordList->setFocus();

    connect(m_validateButton, &QPushButton::clicked, this, &ShortcutEditor::validate);
    connect(m_closeButton, &QPushButton::clicked, this, &QWidget::close);

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    load();
}

void ShortcutEditor::load()
{
    // A missing file lists nothing.
    const ShortcutTable table = ShortcutTable::read(m_filePath);
    m_keywordList->addItems(table.keywords());
    m_addressList->addItems(table.addresses());
}

void ShortcutEditor::validate()
{
    const QString keyword = m_keywordBox->text();
    const QString address = m_addressBox->text();
    DataFile file(m_filePath);
    if (!ShortcutTable::addPair(file, keyword, address)) {
        m_messages.warning(this, windowTitle(), failure_reasons::cannotSave(m_filePath, file.errorString()));
        return;
    }
    m_confirmation->setText(QStringLiteral("Félicitations! Maintenant, il vous suffit de taper le mot ") + keyword +
                            QLatin1Char(' ') + QStringLiteral("pour accéder à l'adresse ") + address);
    m_confirmation->setFont(font());
    fitTextToBox(m_confirmation);
    m_keywordList->addItem(keyword);
    m_addressList->addItem(address);
}
