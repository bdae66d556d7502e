#include "QtInputBox.h"

#include <QAccessible>
#include <QApplication>
#include <QDialogButtonBox>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

const QString title = QStringLiteral("Rechercher avec Ferrovane");
const QString prompt = QStringLiteral("Entrez le ou les mots clé recherchés :");

QPushButton* buttonWithText(QWidget* dialog, const QString& text)
{
    for (auto* button : dialog->findChild<QDialogButtonBox*>()->findChildren<QPushButton*>()) {
        if (button->text() == text)
            return button;
    }
    return nullptr;
}

// Presses the button with that caption; without one the box is closed as
// cancelled, which the test then reports.
void press(QWidget* dialog, const QString& caption)
{
    if (QPushButton* button = buttonWithText(dialog, caption))
        QTest::mouseClick(button, Qt::LeftButton);
    else
        static_cast<QDialog*>(dialog)->reject();
}

}  // namespace

// The toolkit's input dialog as the searches and the skins command use it.
class InputBoxTest : public QObject {
    Q_OBJECT

private slots:
    void showsTitlePromptAndAnEmptyBox()
    {
        QStringList seen;
        const auto answer = askWhileOpen([&](QWidget* dialog) {
            auto* edit = dialog->findChild<QLineEdit*>();
            QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(dialog);
            seen << dialog->windowTitle() << dialog->findChild<QLabel*>()->text() << edit->text()
                 << (dialog->windowModality() == Qt::ApplicationModal ? "modal" : "modeless")
                 << (accessible->role() == QAccessible::Dialog ? "dialog" : "other")
                 << accessible->text(QAccessible::Name) << edit->accessibleName()
                 << (buttonWithText(dialog, "OK") ? "OK" : "-")
                 << (buttonWithText(dialog, "Annuler") ? "Annuler" : "-");
            press(dialog, "Annuler");
        });
        QCOMPARE(seen, QStringList({title, prompt, "", "modal", "dialog", title, prompt, "OK", "Annuler"}));
        QCOMPARE(answer, std::nullopt);
    }

    void confirmedTextComesBackAsTyped()
    {
        const QString typed = QStringLiteral("  mots & clés #1 ");
        auto answer = askWhileOpen([&](QWidget* dialog) {
            auto* edit = dialog->findChild<QLineEdit*>();
            QTest::keyClicks(edit, QStringLiteral("  mots & cl"));
            edit->insert(QStringLiteral("és #1 "));
            press(dialog, "OK");
        });
        QCOMPARE(answer, std::optional<QString>(typed));

        // An empty confirmed box is an empty text, not a cancel; nothing is
        // remembered from the previous question.
        QString shownText = QStringLiteral("<none>");
        answer = askWhileOpen([&](QWidget* dialog) {
            shownText = dialog->findChild<QLineEdit*>()->text();
            QTest::keyClick(dialog->findChild<QLineEdit*>(), Qt::Key_Return);
        });
        QCOMPARE(shownText, QString());
        QCOMPARE(answer, std::optional<QString>(QString()));

        answer = askWhileOpen([](QWidget* dialog) {
            QTest::keyClicks(dialog->findChild<QLineEdit*>(), QStringLiteral("abandon"));
            QTest::keyClick(dialog->findChild<QLineEdit*>(), Qt::Key_Escape);
        });
        QCOMPARE(answer, std::nullopt);
    }

private:
    // Asks, and acts on the box once it is up.
    static std::optional<QString> askWhileOpen(const std::function<void(QWidget*)>& act)
    {
        QWidget parent;
        parent.show();
        QTimer::singleShot(0, &parent, [&] {
            QWidget* dialog = QApplication::activeModalWidget();
            if (!qobject_cast<QInputDialog*>(dialog))
                qFatal("no input box open");
            act(dialog);
        });
        QtInputBox box;
        return box.ask(&parent, title, prompt);
    }
};

QTEST_MAIN(InputBoxTest)
#include "tst_inputbox.moc"
