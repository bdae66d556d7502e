#include "PreferredAddressDialog.h"

#include "AccessibleRoles.h"
#include "DataFile.h"
#include "FileDialog.h"
#include "MessageBox.h"
#include "Twips.h"
#include "WindowFont.h"

#include <QCloseEvent>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

template <typename Control>
Control* place(Control* control, const char* name, const PreferredAddressMember& member,
               int left, int top, int width, int height)
{
    return placeInTwips(control, name, left + member.offsetAcross, top + member.offsetDown, width,
                        height);
}

QLabel* centredLabel(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

}  // namespace

PreferredAddressDialog::PreferredAddressDialog(const PreferredAddressMember& member,
                                               Variables& variables,
                                               const ProgramFolder& folder,
                                               QWidget* mainWindow,
                                               std::unique_ptr<FileDialog> cd1,
                                               MessageBox& messages)
    : QWidget(nullptr, Qt::Window)
    , m_member(member)
    , m_variables(variables)
    , m_filePath(folder.filePath(QString::fromLatin1(member.fileName)))
    , m_mainWindow(mainWindow)
    , m_cd1(std::move(cd1))
    , m_messages(messages)
{
    accessible_roles::announceWindows();
    setObjectName(QString::fromLatin1(member.formName));
    setWindowTitle(QString::fromUtf8(member.caption));
    setFont(windowFont());
    setFixedSize(twipsToPixels(member.clientWidth), twipsToPixels(member.clientHeight));

    Label1 = place(centredLabel(QStringLiteral("URL :"), this), "Label1", member, 0, 600, 855, 255);
    Text1 = place(new QLineEdit(this), "Text1", member, 960, 600, 3495, 285);
    opt1 = place(new QRadioButton(QStringLiteral("URL"), this), "opt1", member, 4560, 600, 1095, 255);
    Label2 = place(centredLabel(QStringLiteral("Fichier :"), this), "Label2", member, 0, 1560, 855, 255);
    Text2 = place(new QLineEdit(this), "Text2", member, 960, 1560, 3495, 285);
    opt2 = place(new QRadioButton(QStringLiteral("Fichier"), this), "opt2", member, 4560, 1560, 1095, 255);
    Command4 = place(new QPushButton(QStringLiteral("Parcourir"), this), "Command4", member, 2280, 2040, 1455, 255);
    Command2 = place(new QPushButton(QStringLiteral("&Annuler"), this), "Command2", member, 1320, 2640, 1695, 255);
    Command1 = place(new QPushButton(QStringLiteral("&Valider"), this), "Command1", member, 3240, 2640, 1695, 255);

    Label1->setBuddy(Text1);
    Label2->setBuddy(Text2);
    // Each name starts with the words shown, by which voice control reaches it.
    Text1->setAccessibleName(QStringLiteral("URL : adresse web"));
    Text2->setAccessibleName(QStringLiteral("Fichier : chemin du fichier local"));
    opt1->setAccessibleName(QStringLiteral("URL, utiliser l'adresse web"));
    opt2->setAccessibleName(QStringLiteral("Fichier, utiliser le fichier local"));
    Command4->setAccessibleName(QStringLiteral("Parcourir les fichiers"));
    Command2->setAccessibleName(QStringLiteral("Annuler"));
    Command1->setAccessibleName(QStringLiteral("Valider"));
    for (QPushButton* button : {Command4, Command2, Command1})
        button->setAutoDefault(false);

    applyTabOrder();

    connect(Command4, &QPushButton::clicked, this, &PreferredAddressDialog::browse);
    connect(Command1, &QPushButton::clicked, this, &PreferredAddressDialog::validate);
    connect(Command2, &QPushButton::clicked, this, &QWidget::close);

    // The boxes start empty whatever the current value: the user types anew.
    opt1->setChecked(true);
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
    opt2->setChecked(true);
    m_cd1->showOpen(this);
    // A cancelled dialog leaves the last file chosen in this opening, or nothing.
    Text2->setText(m_cd1->fileName());
}

void PreferredAddressDialog::validate()
{
    const QString chosen = opt1->isChecked() ? Text1->text() : Text2->text();
    DataFile file(m_filePath);
    if (!file.replaceWithLine(chosen)) {
        // The variable keeps its value, so it still agrees with the file, and
        // the dialog stays open with what the user typed.
        m_messages.warning(this, windowTitle(),
                           QStringLiteral("Impossible d'enregistrer le fichier « %1 » : %2")
                               .arg(QDir::toNativeSeparators(m_filePath), file.errorString()));
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
