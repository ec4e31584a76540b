#include "TestMain.h"
#include "WindowHarness.h"

#include "controls/ListBox.h"
#include "controls/ZarnBttn.h"
#include "controls/ZarnPanel.h"
#include "controls/files/DirList.h"
#include "controls/files/FileList.h"
#include "sounds/FenMCI.h"

#include <QTimer>

using kvtest::WindowHarness;

class FileManagerTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<WindowHarness> h;
    FenMCI *w = nullptr;
    MediaWindow *preview = nullptr;

    void open(bool animations)
    {
        h->general.ChoixMultivues = animations;
        w = new FenMCI(h->context);
        w->load();
        w->show();
        preview = &w->mciWnd1();
    }
    template<class T = ZarnBttn> T *c(const char *name) const
    {
        return w->require<T>(QString::fromUtf8(name));
    }
    QStringList listed() const
    {
        QStringList names;
        for (int i = 0; i < c<FileList>("Fichier1")->listCount(); ++i)
            names << c<FileList>("Fichier1")->list(i);
        return names;
    }
    void click(const char *name) { QTest::mouseClick(c(name), Qt::LeftButton); }
    void clickRow(QListWidget *list, int row, bool twice = false)
    {
        const QPoint at = list->visualItemRect(list->item(row)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
        if (twice)
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
        WindowHarness::settle();
    }
    void chooseKind(int entry) { clickRow(c<ListBox>("List1"), entry); }
    void clickFile(const QString &name, bool twice = false)
    {
        QVERIFY2(listed().contains(name), qPrintable(name));
        clickRow(c<FileList>("Fichier1"), int(listed().indexOf(name)), twice);
    }
    bool fileButtonsEnabled() const
    {
        return c("CmdCopier")->isEnabled() && c("CmdSupprim")->isEnabled();
    }

private slots:
    void init()
    {
        h = std::make_unique<WindowHarness>();
        h->addMedia("chant.wav", FakeMedia{83456, 0, {}});
        h->addMedia("air.mid", FakeMedia{2000, 0, {}});
        h->addMedia("film.avi", FakeMedia{83456, 2087, QSize(640, 480)});
        h->addMedia("notes.txt", FakeMedia{});
        h->general.DernierDossier = h->folder.path();
    }
    void cleanup() { h.reset(); }

    void fileInARootFolderHasOneSeparator()
    {
        h->general.DernierDossier = QDir::rootPath();
        open(false);
        chooseKind(1);
        if (listed().isEmpty())
            QSKIP("the root folder holds no file here");
        clickFile(listed().first());
        QCOMPARE(h->general.FichierChoisi, "/" + listed().first());
    }

    void clickedFileIsPreviewedAndTold_data()
    {
        QTest::addColumn<bool>("animations");
        QTest::addColumn<QStringList>("ofTheKind");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("status");
        QTest::newRow("sound") << false << QStringList{"air.mid", "chant.wav"} << "chant.wav"
                               << " Le son dure 1mn.23sec.456ms.";
        QTest::newRow("animation") << true << QStringList{"film.avi"} << "film.avi"
                                   << " L'animation dure 1mn.23sec.456ms.et comporte 2087 images";
        QTest::newRow("other kind") << true << QStringList{"film.avi"} << "chant.wav"
                                    << " L'animation dure 1mn.23sec.456ms.et comporte 0 images";
    }
    void clickedFileIsPreviewedAndTold()
    {
        QFETCH(bool, animations);
        QFETCH(QStringList, ofTheKind);
        QFETCH(QString, file);
        QFETCH(QString, status);
        open(animations);
        QCOMPARE(listed(), ofTheKind);
        chooseKind(1);
        QCOMPARE(listed(), (QStringList{"air.mid", "chant.wav", "film.avi", "notes.txt"}));
        clickFile(file);
        QCOMPARE(preview->fileName(), h->folder.filePath(file));
        QVERIFY(preview->isVisible() && fileButtonsEnabled());
        QCOMPARE(c("Forme7")->caption(), status);
        QCOMPARE(c("CmdDeplaceFen")->caption(), "Ouverture - " + preview->fileName().toLower());
        chooseKind(0);
        QCOMPARE(listed(), ofTheKind);
    }

    void playButtonsDecideWhetherAClickPlays_data()
    {
        QTest::addColumn<QStringList>("buttons");
        QTest::addColumn<bool>("plays");
        QTest::newRow("as opened") << QStringList{} << false;
        QTest::newRow("play") << QStringList{"CmdPlay"} << true;
        QTest::newRow("play then stop") << QStringList{"CmdPlay", "CmdStop"} << false;
    }
    void playButtonsDecideWhetherAClickPlays()
    {
        QFETCH(QStringList, buttons);
        QFETCH(bool, plays);
        open(false);
        for (const QString &b : buttons)
            click(qPrintable(b));
        clickFile("chant.wav");
        QCOMPARE(preview->mode() == MediaWindow::Mode::Playing, plays);
        QCOMPARE(c<ZarnPanel>("FondAnim")->borderStyle(), plays ? 2 : 1);
    }

    void closingKeepsOrDropsTheChoice_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("chosen");
        QTest::newRow("OK") << "CmdOK"
                            << "air.mid";
        QTest::newRow("Annuler") << "CmdAnnul"
                                 << "";
        QTest::newRow("window manager") << "close"
                                        << "";
        QTest::newRow("double-click") << "double"
                                      << "chant.wav";
    }
    void closingKeepsOrDropsTheChoice()
    {
        QFETCH(QString, how);
        QFETCH(QString, chosen);
        open(false);
        clickFile("air.mid");
        if (how == "double")
            clickFile("chant.wav", true);
        else if (how == "close")
            w->close();
        else
            click(qPrintable(how));
        WindowHarness::settle();
        QVERIFY(!h->windows.find("FenMCI"));
        QCOMPARE(h->general.FichierChoisi, chosen.isEmpty() ? "" : h->folder.filePath(chosen));
    }

    void copyPlaysItsSoundOnlyOnceCopied_data()
    {
        QTest::addColumn<int>("outcome"); // -1: the dialog is cancelled
        QTest::addColumn<bool>("sound");
        QTest::newRow("copied") << int(CopyOutcome::Copied) << true;
        QTest::newRow("onto itself") << int(CopyOutcome::SameFile) << false;
        QTest::newRow("stopped") << int(CopyOutcome::Cancelled) << false;
        QTest::newRow("failed") << int(CopyOutcome::Failed) << false;
        QTest::newRow("dialog cancelled") << -1 << false;
    }
    void copyPlaysItsSoundOnlyOnceCopied()
    {
        QFETCH(int, outcome);
        QFETCH(bool, sound);
        open(true);
        clickFile("film.avi");
        const QString target = h->folder.filePath("copie.avi");
        h->fakes.dialogs->replies.enqueue({outcome >= 0, target});
        h->fakes.files->copyResults.enqueue({CopyOutcome(outcome), "Disque plein."});
        click("CmdCopier");
        const CommonDialogState shown = h->fakes.dialogs->shown.value(0).state;
        QCOMPARE(shown.title, QStringLiteral("Copier l'animation"));
        QCOMPARE(shown.fileName, h->folder.filePath("film.avi"));
        QCOMPARE(h->fakes.files->copies.size(), outcome >= 0 ? 1 : 0);
        QCOMPARE(h->fakes.sound->played.size(), sound ? 1 : 0);
        QCOMPARE(h->fakes.messages->asked.size(), outcome == int(CopyOutcome::Failed) ? 1 : 0);
        QCOMPARE(h->fakes.messages->asked.value(0).text,
                 h->fakes.messages->asked.isEmpty() ? "" : "Disque plein.");
    }

    void deleteAsksThenMovesToTheTrash_data()
    {
        QTest::addColumn<bool>("yes"); // false: the default answer
        QTest::addColumn<bool>("refused");
        QTest::newRow("yes") << true << false;
        QTest::newRow("default answer") << false << false;
        QTest::newRow("trash refuses") << true << true;
    }
    void deleteAsksThenMovesToTheTrash()
    {
        QFETCH(bool, yes);
        QFETCH(bool, refused);
        QTemporaryDir trash;
        h->fakes.files->trashFolder = trash.path();
        h->fakes.files->refuseTrash = refused;
        if (yes)
            h->fakes.messages->answers.enqueue(MessageAnswer::Yes);
        open(false);
        clickFile("chant.wav");
        click("CmdSupprim");
        const QString path = h->folder.filePath("chant.wav");
        QCOMPARE(h->fakes.files->cleared, QStringList{path});
        const MessageRequest question = h->fakes.messages->asked.value(0);
        QCOMPARE(question.defaultButton, 1);
        QVERIFY(question.text.contains(path) && question.text.contains("corbeille"));
        QCOMPARE(h->fakes.messages->asked.size(), refused ? 2 : 1);
        const bool trashed = yes && !refused;
        QCOMPARE(QFile::exists(path), !trashed);
        QCOMPARE(QFile::exists(QDir(trash.path()).filePath("chant.wav")), trashed);
        QCOMPARE(listed().contains("chant.wav"), !trashed);
        QVERIFY(preview->fileName().isEmpty() && !fileButtonsEnabled());
    }

    void vanishedFileIsPassedOverSilently()
    {
        open(false);
        QVERIFY(QFile::remove(h->folder.filePath("chant.wav")));
        clickFile("chant.wav", true);
        QVERIFY(h->fakes.messages->asked.isEmpty() && h->windows.find("FenMCI"));
        QVERIFY(preview->fileName().isEmpty() && !fileButtonsEnabled());
        QCOMPARE(c("Forme7")->caption(), QString());
    }

    void unreadableFolderAsksRetryOrCancel_data()
    {
        QTest::addColumn<bool>("retry");
        QTest::newRow("cancel") << false;
        QTest::newRow("retry once it is back") << true;
    }
    void unreadableFolderAsksRetryOrCancel()
    {
        QFETCH(bool, retry);
        const QString gone = h->folder.filePath("parti");
        h->general.DernierDossier = gone;
        h->fakes.messages->answers.enqueue(retry ? MessageAnswer::Retry : MessageAnswer::Cancel);
        h->fakes.messages->onAsk = [&](const MessageRequest &) {
            QDir().mkpath(gone);
        };
        open(false);
        QCOMPARE(h->fakes.messages->asked.size(), 1);
        QCOMPARE(h->fakes.messages->asked.value(0).buttons, MessageButtons::RetryCancel);
        QCOMPARE(c<DirList>("Répertoire1")->path(), retry ? gone : QDir::homePath());
    }

    void placedBesideItsCallerOnTheLastFolderOfEitherMode()
    {
        h->mainWindow()->move(400, 300);
        open(false);
        QCOMPARE(w->pos(), QPoint(380, 280));
        c<DirList>("Répertoire1")->setPath(QDir::rootPath());
        click("CmdOK");
        open(true);
        QCOMPARE(c<DirList>("Répertoire1")->path(), QDir::rootPath());
    }

    void soundsPanelOpensTheManagerModalInSoundMode()
    {
        ZarnBttn *lect = h->mainWindow()->button(QStringLiteral("CmdLect"));
        h->general.ChoixMultivues = true;
        bool seen = false;
        QTimer::singleShot(0, this, [&] {
            w = qobject_cast<FenMCI *>(h->windows.find(QStringLiteral("FenMCI")));
            seen = w && w->isVisible() && !w->mode().animations;
            if (w)
                click("CmdAnnul");
        });
        QMetaObject::invokeMethod(lect, "clicked");
        QVERIFY(seen);
        QVERIFY(!h->windows.find("FenMCI"));
    }
};

KV_TEST_MAIN(FileManagerTest)
#include "tst_filemanager.moc"
