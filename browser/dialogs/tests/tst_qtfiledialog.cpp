#include "QtFileDialog.h"
#include "TestSupport.h"

#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QListView>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

// What the user meets in the toolkit's dialog, read while it is up; then the
// dialog is answered by the script.
struct Shown {
    QString title;
    QString suffix;
    bool saving = false;
    QStringList preset;
    bool askedToReplace = false;
    QStringList filters = {};  // as the file-type list shows them
    QStringList listed = {};   // files listed, once there are as many as awaited
};

class QtFileDialogTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    // Shows the dialog; once it is up (and lists `awaited` files), answers it
    // with the name (relative to the test folder) or cancels it when the name
    // is empty.
    Shown answer(const std::function<bool()>& show, const QString& name, bool* chosen, int awaited = 0)
    {
        Shown shown;
        // A question about replacing the file would come up inside accept():
        // noted and answered yes.
        QTimer question;
        question.setInterval(50);
        connect(&question, &QTimer::timeout, this, [&shown] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                shown.askedToReplace = true;
                box->button(QMessageBox::Yes)->click();
            }
        });
        QTimer::singleShot(0, this, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (!dialog)
                qFatal("no file dialog up");
            shown = {dialog->windowTitle(), dialog->defaultSuffix(), dialog->acceptMode() == QFileDialog::AcceptSave,
                     dialog->selectedFiles()};
            const auto* types = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
            for (int i = 0; i < types->count(); ++i)
                shown.filters << types->itemText(i);
            const auto* list = dialog->findChild<QListView*>(QStringLiteral("listView"));
            const auto rows = [list] { return list->model()->rowCount(list->rootIndex()); };
            (void)QTest::qWaitFor([&] { return rows() >= awaited; });  // a shortfall fails the comparison
            for (int row = 0; row < rows(); ++row)
                shown.listed << list->model()->index(row, 0, list->rootIndex()).data().toString();
            if (name.isEmpty()) {
                dialog->reject();
                return;
            }
            dialog->setDirectory(m_dir.path());
            dialog->selectFile(name);
            question.start();
            static_cast<QDialog*>(dialog)->accept();
        });
        *chosen = show();
        return shown;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        writeBytes(m_dir.filePath(QStringLiteral("ancienne.htm")), "x");
        writeBytes(m_dir.filePath(QStringLiteral("nouvelle.html")), "x");
        writeBytes(m_dir.filePath(QStringLiteral("notes.txt")), "x");
    }

    void pageDialogKeepsItsSettingsAndLastNameForBothCommands()
    {
        auto cd1 = QtFileDialog::forPages();
        bool chosen = false;

        Shown shown = answer([&] { return cd1->showSave(nullptr); }, QStringLiteral("page"), &chosen);
        QVERIFY(chosen);
        QCOMPARE(shown.title, QStringLiteral("Sauvegarder un fichier"));
        QCOMPARE(shown.filters, QStringList{"*.htm"});
        QCOMPARE(shown.suffix, QStringLiteral("htm"));
        QVERIFY(shown.saving);
        const QString saved = m_dir.filePath(QStringLiteral("page.htm"));
        QCOMPARE(cd1->fileName(), saved);

        // Open shows the same title and lists .html files too, with the name
        // chosen in Save preset; a cancel keeps that name.
        shown = answer([&] { return cd1->showOpen(nullptr); }, QString(), &chosen, 2);
        QVERIFY(!chosen);
        QCOMPARE(shown.title, QStringLiteral("Sauvegarder un fichier"));
        QCOMPARE(shown.filters, QStringList{"*.htm"});
        QCOMPARE(shown.listed, (QStringList{"ancienne.htm", "nouvelle.html"}));
        QVERIFY(!shown.saving);
        QCOMPARE(shown.preset, QStringList{saved});
        QCOMPARE(cd1->fileName(), saved);

        shown = answer([&] { return cd1->showOpen(nullptr); }, QStringLiteral("ancienne.htm"), &chosen);
        QVERIFY(chosen);
        const QString opened = m_dir.filePath(QStringLiteral("ancienne.htm"));
        QCOMPARE(cd1->fileName(), opened);
        // An existing file is chosen for saving without a question.
        shown = answer([&] { return cd1->showSave(nullptr); }, QStringLiteral("ancienne.htm"), &chosen);
        QVERIFY(chosen);
        QCOMPARE(shown.preset, QStringList{opened});
        QVERIFY(!shown.askedToReplace);
        QCOMPARE(cd1->fileName(), opened);
    }

    void plainDialogHasNoneOfThePageSettings()
    {
        QtFileDialog plain;
        bool chosen = false;
        const Shown shown = answer([&] { return plain.showOpen(nullptr); }, QString(), &chosen);
        QVERIFY(!chosen);
        // The toolkit's own title for opening.
        QVERIFY(!shown.title.contains(QStringLiteral("Sauvegarder")));
        QVERIFY(!shown.filters.contains(QStringLiteral("*.htm")));
        QVERIFY(shown.suffix.isEmpty());
        QVERIFY(plain.fileName().isEmpty());
    }
};

QTEST_MAIN(QtFileDialogTest)
#include "tst_qtfiledialog.moc"
