#include "PreferredAddressDialog.h"

#include "AccessibleRoles.h"
#include "DataFile.h"
#include "DataFiles.h"
#include "FailureReasons.h"
#include "FileDialog.h"
#include "MessageBox.h"
#include "Twips.h"
#include "WindowFont.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

template <typename Control>
Control* place(Control* control, const char* name, const PreferredAddressMember& member, int left, int top, int width,
               int height)
{
    return placeInTwips(control, name, left + member.offsetAcross, top + member.offsetDown, width, height);
}

QLabel* centredLabel(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

}  // namespace

PreferredAddressDialog::PreferredAddressDialog(const PreferredAddressMember& member, Variables& variables,
                                               const ProgramFolder& folder, QWidget* mainWindow,
                                               std::unique_ptr<FileDialog> fileDialog, MessageBox& messages)
    : QWidget(nullptr, Qt::Window)
    , m_member(member)
    , m_variables(variables)
    , m_filePath(data_files::pathOf(member.file, folder))
    , m_mainWindow(mainWindow)
    , m_fileDialog(std::move(fileDialog))
    , m_messages(messages)
{
    accessible_roles::announceWindows();
    setObjectName(QString::fromLatin1(member.formName));
    setWindowTitle(QString::fromUtf8(member.caption));
    setFont(windowFont());
    setFixedSize(twipsToPixels(member.clientWidth), twipsToPixels(member.clientHeight));

    m_addressLabel = place(centredLabel(QStringLiteral("URL :"), this), "Label1", member, 0, 600, 855, 255);
    m_addressBox = place(new QLineEdit(this), "Text1", member, 960, 600, 3495, 285);
    m_useAddress = place(new QRadioButton(QStringLiteral("URL"), this), "opt1", member, 4560, 600, 1095, 255);
    m_fileLabel = place(centredLabel(QStringLiteral("Fichier :"), this), "Label2", member, 0, 1560, 855, 255);
    m_fileBox = place(new QLineEdit(this), "Text2", member, 960, 1560, 3495, 285);
    m_useFile = place(new QRadioButton(QStringLiteral("Fichier"), this), "opt2", member, 4560, 1560, 1095, 255);
    m_browseButton =
        place(new QPushButton(QStringLiteral("Parcourir"), this), "Command4", member, 2280, 2040, 1455, 255);
    m_cancelButton =
        place(new QPushButton(QStringLiteral("&Annuler"), this), "Command2", member, 1320, 2640, 1695, 255);
    m_validateButton =
        place(new QPushButton(QStringLiteral("&Valider"), this), "Command1", member, 3240, 2640, 1695, 255);

    m_addressLabel->setBuddy(m_addressBox);
    m_fileLabel->setBuddy(m_fileBox);
    // Each name starts with the words shown, by which voice control reaches it.
    m_addressBox->setAccessibleName(QStringLiteral("URL : adresse web"));
    m_fileBox->setAccessibleName(QStringLiteral("Fichier : chemin du fichier local"));
    m_useAddress->setAccessibleName(QStringLiteral("URL, utiliser l'adresse web"));
    m_useFile->setAccessibleName(QStringLiteral("Fichier, utiliser le fichier local"));
    m_browseButton->setAccessibleName(QStringLiteral("Parcourir les fichiers"));
    m_cancelButton->setAccessibleName(QStringLiteral("Annuler"));
    m_validateButton->setAccessibleName(QStringLiteral("Valider"));
    for (QPushButton* button : {m_browseButton, m_cancelButton, m_validateButton})
        button->setAutoDefault(false);

    applyTabOrder();

    connect(m_browseButton, &QPushButton::clicked, this, &PreferredAddressDialog::browse);
    connect(m_validateButton, &QPushButton::clicked, this, &PreferredAddressDialog::validate);
    connect(m_cancelButton, &QPushButton::clicked, this, &QWidget::close);

    // The boxes start empty whatever the current value; kept: users rely on
    // typing anew.
    m_useAddress->setChecked(true);
}

PreferredAddressDialog::~PreferredAddressDialog() = default;

void PreferredAddressDialog::applyTabOrder()
{
    QWidget* previous = nullptr;
    for (const char* name : m_member.tabOrder) {
        auto* control = findChild<QWidget*>(QString::fromLatin1(name));
        if (control->focusPolicy() == Qt::NoFocus)
            continue;
        if (previous)
            setTabOrder(previous, control);
        else
            control->setFocus();
        previous = control;
    }
}

void PreferredAddressDialog::browse()
{
    m_useFile->setChecked(true);
    m_fileDialog->showOpen(this);
    // A cancelled dialog leaves the last file chosen in this opening, or
    // nothing, which empties the box; kept: users rely on this.
    m_fileBox->setText(m_fileDialog->fileName());
}

void PreferredAddressDialog::validate()
{
    const QString chosen = m_useAddress->isChecked() ? m_addressBox->text() : m_fileBox->text();
    DataFile file(m_filePath);
    if (!file.replaceWithLine(chosen)) {
        // The variable keeps its value, so it still agrees with the file, and
        // the dialog stays open with what the user typed.
        m_messages.warning(this, windowTitle(), failure_reasons::cannotSave(m_filePath, file.errorString()));
        return;
    }
    m_variables.*m_member.variable = chosen;
    close();
}

void PreferredAddressDialog::closeEvent(QCloseEvent* event)
{
    if (m_mainWindow)
        m_mainWindow->setEnabled(true);
    event->accept();
}
