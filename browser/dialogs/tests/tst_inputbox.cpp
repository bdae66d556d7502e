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

// Presses the button with that caption; a missing one fails the test and
// closes the box.
void press(QWidget* dialog, const QString& caption)
{
    for (auto* button : dialog->findChild<QDialogButtonBox*>()->findChildren<QPushButton*>()) {
        if (button->text() == caption)
            return QTest::mouseClick(button, Qt::LeftButton);
    }
    QTest::qFail(qPrintable(QStringLiteral("no button ") + caption), __FILE__, __LINE__);
    static_cast<QDialog*>(dialog)->reject();
}

// Asks, and acts on the box once it is up.
std::optional<QString> askWhileOpen(const std::function<void(QWidget*, QLineEdit*)>& act)
{
    QWidget parent;
    parent.show();
    QTimer::singleShot(0, &parent, [&] {
        QWidget* dialog = QApplication::activeModalWidget();
        if (!qobject_cast<QInputDialog*>(dialog))
            qFatal("no input box open");
        act(dialog, dialog->findChild<QLineEdit*>());
    });
    return QtInputBox().ask(&parent, title, prompt);
}

}  // namespace

// The toolkit's input dialog as the searches and the skins command use it.
class InputBoxTest : public QObject {
    Q_OBJECT

private slots:
    void showsTitlePromptAndAnEmptyBox()
    {
        QStringList seen;
        const auto answer = askWhileOpen([&](QWidget* dialog, QLineEdit* edit) {
            QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(dialog);
            seen << dialog->windowTitle() << dialog->findChild<QLabel*>()->text() << edit->text()
                 << (dialog->windowModality() == Qt::ApplicationModal ? "modal" : "modeless")
                 << (accessible->role() == QAccessible::Dialog ? "dialog" : "other")
                 << accessible->text(QAccessible::Name) << edit->accessibleName();
            edit->setText(QStringLiteral("abandon"));
            press(dialog, "Annuler");
        });
        QCOMPARE(seen, QStringList({title, prompt, "", "modal", "dialog", title, prompt}));
        QCOMPARE(answer, std::nullopt);
    }

    void confirmedTextComesBackAsTyped()
    {
        const QString typed = QStringLiteral("  mots & clés #1 ");
        auto answer = askWhileOpen([&](QWidget* dialog, QLineEdit* edit) {
            edit->insert(typed);
            press(dialog, "OK");
        });
        QCOMPARE(answer, std::optional<QString>(typed));

        // An empty box confirmed is an empty text, not a cancel; nothing is
        // kept from the previous question.
        answer = askWhileOpen([](QWidget*, QLineEdit* edit) {
            QTest::keyClick(edit, edit->text().isEmpty() ? Qt::Key_Return : Qt::Key_Escape);
        });
        QCOMPARE(answer, std::optional<QString>(QString()));
    }
};

QTEST_MAIN(InputBoxTest)
#include "tst_inputbox.moc"
