#include "FindWindow.h"

#include "AccessibleRoles.h"
#include "BrowserComponent.h"
#include "WindowFont.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

FindWindow::FindWindow(BrowserComponent& pageView) : QDialog(nullptr), m_pageView(pageView)
{
    setObjectName(QStringLiteral("f_recherche"));
    setWindowTitle(QStringLiteral("Rechercher dans la page"));
    setFont(windowFont());

    auto* label = new QLabel(QStringLiteral("&Rechercher :"), this);
    label->setObjectName(QStringLiteral("Label1"));
    m_text = new QLineEdit(this);
    m_text->setObjectName(QStringLiteral("Text1"));
    label->setBuddy(m_text);
    m_matchCase = new QCheckBox(QStringLiteral("Respecter la &casse"), this);
    m_matchCase->setObjectName(QStringLiteral("Check1"));
    m_nextButton = new QPushButton(QStringLiteral("&Suivant"), this);
    m_nextButton->setObjectName(QStringLiteral("Command1"));
    m_previousButton = new QPushButton(QStringLiteral("&Précédent"), this);
    m_previousButton->setObjectName(QStringLiteral("Command2"));
    // Enter is the window's own: Shift+Enter steps back.
    for (QPushButton* button : {m_nextButton, m_previousButton})
        button->setAutoDefault(false);
    m_result = new QLabel(this);
    m_result->setObjectName(QStringLiteral("Label2"));
    // Heard as it changes, so that "Aucune occurrence" reaches screen readers.
    accessible_roles::announceAsStatusBar(m_result);

    auto* grid = new QGridLayout(this);
    grid->addWidget(label, 0, 0);
    grid->addWidget(m_text, 0, 1, 1, 2);
    grid->addWidget(m_matchCase, 1, 1, 1, 2);
    grid->addWidget(m_nextButton, 2, 1);
    grid->addWidget(m_previousButton, 2, 2);
    grid->addWidget(m_result, 3, 0, 1, 3);
    grid->setSizeConstraint(QLayout::SetFixedSize);
    m_text->setMinimumWidth(m_text->fontMetrics().averageCharWidth() * 30);

    connect(m_text, &QLineEdit::textChanged, this, [this] { find(false); });
    connect(m_matchCase, &QCheckBox::toggled, this, [this] { find(false); });
    connect(m_nextButton, &QPushButton::clicked, this, [this] { find(false); });
    connect(m_previousButton, &QPushButton::clicked, this, [this] { find(true); });
    connect(&m_pageView, &BrowserComponent::findTextFinished, this, &FindWindow::showResult);
    m_text->setFocus();
}

void FindWindow::focusText()
{
    m_text->setFocus();
    m_text->selectAll();
}

void FindWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        find(event->modifiers() & Qt::ShiftModifier);
        return;
    }
    QDialog::keyPressEvent(event);
}

void FindWindow::closeEvent(QCloseEvent* event)
{
    m_pageView.findText(QString(), false, false);
    QDialog::closeEvent(event);
}

void FindWindow::find(bool backward)
{
    if (m_text->text().isEmpty()) {
        m_result->clear();
        m_pageView.findText(QString(), false, false);
        return;
    }
    m_pageView.findText(m_text->text(), m_matchCase->isChecked(), backward);
}

void FindWindow::showResult(int activeMatch, int matches)
{
    if (m_text->text().isEmpty())
        m_result->clear();
    else if (matches == 0)
        m_result->setText(QStringLiteral("Aucune occurrence"));
    else
        m_result->setText(QStringLiteral("Occurrence %1 sur %2").arg(activeMatch).arg(matches));
}
