#include "TestMain.h"

#include "platform/desktop/QtCommonDialog.h"
#include "platform/desktop/QtMessageBox.h"

#include <QColorDialog>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>

namespace {

// Runs `act` on the modal dialog once it is up; the dialog's own exec() is what the code
// under test calls.
void whenModalShows(std::function<void(QWidget *)> act)
{
    auto *timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, act] {
        if (QWidget *modal = QApplication::activeModalWidget()) {
            timer->stop();
            timer->deleteLater();
            act(modal);
        }
    });
    timer->start();
}

void touch(const QString &path)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
}

} // namespace

class TestDialogs : public QObject
{
    Q_OBJECT

private slots:
    void messageBoxShowsFrenchButtonsInOrder_data()
    {
        QTest::addColumn<int>("buttons");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<int>("defaultIndex");
        QTest::newRow("ok") << int(MessageButtons::Ok) << QStringList{"OK"} << 0;
        QTest::newRow("yes no, no by default")
            << int(MessageButtons::YesNo) << QStringList{"Oui", "Non"} << 1;
        QTest::newRow("yes no cancel")
            << int(MessageButtons::YesNoCancel) << QStringList{"Oui", "Non", "Annuler"} << 2;
        QTest::newRow("retry cancel")
            << int(MessageButtons::RetryCancel) << QStringList{"Réessayer", "Annuler"} << 0;
        QTest::newRow("abort retry ignore")
            << int(MessageButtons::AbortRetryIgnore)
            << QStringList{"Abandonner", "Réessayer", "Ignorer"} << 1;
        QTest::newRow("ok cancel")
            << int(MessageButtons::OkCancel) << QStringList{"OK", "Annuler"} << 1;
    }

    void messageBoxShowsFrenchButtonsInOrder()
    {
        QFETCH(int, buttons);
        QFETCH(QStringList, texts);
        QFETCH(int, defaultIndex);
        MessageRequest request;
        request.buttons = MessageButtons(buttons);
        request.defaultButton = defaultIndex;
        request.icon = MessageIcon::Exclamation;
        request.title = QStringLiteral("Kinovue ST");
        request.text = QStringLiteral("Kinovue ST est déjà en cours d'exécution.\nSouhaitez-vous "
                                      "exécuter une nouvelle instance ?");

        QStringList shown;
        QString title;
        QString text;
        QString defaultText;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        whenModalShows([&](QWidget *modal) {
            auto *box = qobject_cast<QMessageBox *>(modal);
            QVERIFY(box);
            title = box->windowTitle();
            text = box->text();
            icon = box->icon();
            QList<QPushButton *> pushButtons = box->findChildren<QPushButton *>();
            std::sort(pushButtons.begin(), pushButtons.end(), [](auto *a, auto *b) {
                return a->mapToGlobal(QPoint()).x() < b->mapToGlobal(QPoint()).x();
            });
            for (QPushButton *b : pushButtons)
                shown.append(b->text());
            defaultText = box->defaultButton() ? box->defaultButton()->text() : QString();
            // Enter presses the default button.
            QTest::keyClick(box, Qt::Key_Return);
        });
        const MessageAnswer answer = QtMessageBox().ask(request);

        QCOMPARE(shown, texts);
        QCOMPARE(title, request.title);
        QCOMPARE(text, request.text);
        QCOMPARE(icon, QMessageBox::Warning);
        QCOMPARE(defaultText, texts.at(defaultIndex));
        QCOMPARE(QtMessageBox::textOf(answer), texts.at(defaultIndex));
    }

    void messageBoxEscapeAnswer_data()
    {
        QTest::addColumn<int>("buttons");
        QTest::addColumn<int>("answer");
        QTest::newRow("yes no gives no") << int(MessageButtons::YesNo) << int(MessageAnswer::No);
        QTest::newRow("yes no cancel gives cancel")
            << int(MessageButtons::YesNoCancel) << int(MessageAnswer::Cancel);
        QTest::newRow("retry cancel gives cancel")
            << int(MessageButtons::RetryCancel) << int(MessageAnswer::Cancel);
        QTest::newRow("ok gives ok") << int(MessageButtons::Ok) << int(MessageAnswer::Ok);
    }

    void messageBoxEscapeAnswer()
    {
        QFETCH(int, buttons);
        QFETCH(int, answer);
        MessageRequest request;
        request.buttons = MessageButtons(buttons);
        whenModalShows([](QWidget *modal) { QTest::keyClick(modal, Qt::Key_Escape); });
        QCOMPARE(int(QtMessageBox().ask(request)), answer);
    }

    void messageBoxReturnsTheClickedButton()
    {
        MessageRequest request;
        request.buttons = MessageButtons::AbortRetryIgnore;
        whenModalShows([](QWidget *modal) {
            for (QPushButton *b : modal->findChildren<QPushButton *>()) {
                if (b->text() == QStringLiteral("Ignorer"))
                    b->click();
            }
        });
        QCOMPARE(QtMessageBox().ask(request), MessageAnswer::Ignore);
    }

    void openDialogTakesStateAndKeepsChoice()
    {
        QTemporaryDir dir;
        touch(dir.filePath("a.avi"));
        touch(dir.filePath("b.mpg"));
        QtCommonDialog dialog;
        dialog.state().title = QStringLiteral("Nom du fichier AVI (MPEG, MOV)");
        dialog.state().filter = QStringLiteral(
            "Animations AVI (MPG, MOV)|*.avi;*.mpg;*.mov|Tous les fichiers (*.*)|*.*");
        dialog.state().filterIndex = 2;
        dialog.state().initialDirectory = dir.path();

        QString title;
        QStringList filters;
        QString selectedFilter;
        QString folder;
        whenModalShows([&](QWidget *modal) {
            auto *fd = qobject_cast<QFileDialog *>(modal);
            QVERIFY(fd);
            title = fd->windowTitle();
            filters = fd->nameFilters();
            selectedFilter = fd->selectedNameFilter();
            folder = fd->directory().absolutePath();
            fd->selectNameFilter(fd->nameFilters().first());
            // Typed, as a user would: selecting by path depends on the folder listing, which
            // the dialog makes on a thread of its own and may not have finished.
            auto *name = fd->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
            if (!name) {
                fd->reject();
                QFAIL("the dialog has no file name field");
            }
            name->setText(QStringLiteral("b.mpg"));
            QMetaObject::invokeMethod(fd, "accept");
        });
        QCOMPARE(dialog.showOpen(), DialogOutcome::Accepted);
        QCOMPARE(title, QStringLiteral("Nom du fichier AVI (MPEG, MOV)"));
        QCOMPARE(filters.size(), 2);
        QCOMPARE(selectedFilter, filters.at(1));
        QCOMPARE(folder, QDir(dir.path()).absolutePath());
        QCOMPARE(dialog.state().fileName, dir.filePath("b.mpg"));
        QCOMPARE(dialog.state().filterIndex, 1);
    }

    void filterIndexPastTheListSelectsTheFirst()
    {
        QtCommonDialog dialog;
        dialog.state().filter = QStringLiteral("Sons|*.wav|Tous|*.*");
        dialog.state().filterIndex = 4;
        QString selected;
        QStringList filters;
        whenModalShows([&](QWidget *modal) {
            auto *fd = qobject_cast<QFileDialog *>(modal);
            selected = fd->selectedNameFilter();
            filters = fd->nameFilters();
            fd->reject();
        });
        QCOMPARE(dialog.showOpen(), DialogOutcome::Cancelled);
        QCOMPARE(selected, filters.value(0));
        QCOMPARE(dialog.state().filterIndex, 4); // a cancel leaves it as it was
    }

    void cancelKeepsFileName_data()
    {
        QTest::addColumn<bool>("cancelError");
        QTest::addColumn<int>("outcome");
        QTest::newRow("quiet cancel") << false << int(DialogOutcome::Cancelled);
        QTest::newRow("cancel as error") << true << int(DialogOutcome::CancelError);
    }

    void cancelKeepsFileName()
    {
        QFETCH(bool, cancelError);
        QFETCH(int, outcome);
        QTemporaryDir dir;
        touch(dir.filePath("garde.wav"));
        QtCommonDialog dialog;
        dialog.state().fileName = dir.filePath("garde.wav");
        dialog.state().cancelError = cancelError;
        QString folder;
        whenModalShows([&](QWidget *modal) {
            auto *fd = qobject_cast<QFileDialog *>(modal);
            folder = fd->directory().absolutePath();
            fd->reject();
        });
        QCOMPARE(int(dialog.showSave()), outcome);
        QCOMPARE(dialog.state().fileName, dir.filePath("garde.wav"));
        // The file name's folder is where the dialog opened.
        QCOMPARE(folder, QDir(dir.path()).absolutePath());
    }

    void colourDialogStartsFromStateAndReadsBackBgr()
    {
        QtCommonDialog dialog;
        dialog.state().colour = 0x808000; // teal: red 0, green 128, blue 128
        QColor shown;
        whenModalShows([&](QWidget *modal) {
            auto *cd = qobject_cast<QColorDialog *>(modal);
            QVERIFY(cd);
            shown = cd->currentColor();
            cd->setCurrentColor(QColor(0x6C, 0xFF, 0xDE));
            cd->accept();
        });
        QCOMPARE(dialog.showColour(), DialogOutcome::Accepted);
        QCOMPARE(shown, QColor(0, 128, 128));
        QCOMPARE(dialog.state().colour, quint32(0xDEFF6C));
    }

    void colourDialogCancelKeepsColour()
    {
        QtCommonDialog dialog;
        dialog.state().colour = 0x123456;
        dialog.state().cancelError = true;
        whenModalShows([](QWidget *modal) {
            static_cast<QColorDialog *>(modal)->setCurrentColor(Qt::red);
            static_cast<QDialog *>(modal)->reject();
        });
        QCOMPARE(dialog.showColour(), DialogOutcome::CancelError);
        QCOMPARE(dialog.state().colour, quint32(0x123456));
    }
};

KV_TEST_MAIN(TestDialogs)
#include "tst_dialogs.moc"
