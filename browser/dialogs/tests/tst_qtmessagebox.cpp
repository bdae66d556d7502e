#include "QtMessageBox.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

class QtMessageBoxTest : public QObject {
    Q_OBJECT

private slots:
    void textIsShownAsWritten()
    {
        const QString text = QStringLiteral("Impossible d'enregistrer le fichier « /tmp/<b>x</b>&lt; » : refusé");
        QString shown;
        QString announced;
        QTimer::singleShot(0, this, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box)
                return;
            auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
            shown = label->text();
            // What a screen reader reads: markup would be rendered away.
            announced = QAccessible::queryAccessibleInterface(label)->text(QAccessible::Name);
            box->accept();
        });
        QtMessageBox messages;
        messages.warning(nullptr, QStringLiteral("Crédits"), text);
        QCOMPARE(shown, text);
        QCOMPARE(announced, text);
    }
};

QTEST_MAIN(QtMessageBoxTest)
#include "tst_qtmessagebox.moc"
