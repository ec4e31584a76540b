#include "TestMain.h"
#include "WindowHarness.h"

#include "controls/ListBox.h"
#include "controls/ZarnBttn.h"
#include "controls/ZarnPanel.h"
#include "controls/files/DirList.h"
#include "controls/files/FileList.h"
#include "mainwindow/FenPrin.h"
#include "media/MediaWindow.h"
#include "sounds/FenMCI.h"

#include <QTimer>

using kvtest::WindowHarness;

class FileManagerTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<WindowHarness> h;
    FenMCI *w = nullptr;

    FenMCI *open(bool animations)
    {
        h->general.ChoixMultivues = animations;
        w = new FenMCI(h->context);
        w->load();
        w->show();
        return w;
    }
    FileList *files() const { return w->require<FileList>(QStringLiteral("Fichier1")); }
    ZarnBttn *button(const char *name) const
    {
        return w->require<ZarnBttn>(QString::fromUtf8(name));
    }
    QStringList listed() const
    {
        QStringList names;
        for (int i = 0; i < files()->listCount(); ++i)
            names << files()->list(i);
        return names;
    }
    void click(const char *name) { QTest::mouseClick(button(name), Qt::LeftButton); }
    void chooseKind(int entry)
    {
        auto *kinds = w->require<ListBox>(QStringLiteral("List1"));
        QTest::mouseClick(kinds->viewport(), Qt::LeftButton, {},
                          kinds->visualItemRect(kinds->item(entry)).center());
    }
    void clickFile(const QString &name, bool twice = false)
    {
        const QList<QListWidgetItem *> found = files()->findItems(name, Qt::MatchExactly);
        QVERIFY2(found.size() == 1, qPrintable(name));
        const QPoint at = files()->visualItemRect(found.first()).center();
        QTest::mouseClick(files()->viewport(), Qt::LeftButton, {}, at);
        if (twice)
            QTest::mouseDClick(files()->viewport(), Qt::LeftButton, {}, at);
        WindowHarness::settle();
    }
    QString status() const { return button("Forme7")->caption(); }
    bool loaded() const { return h->windows.find(QStringLiteral("FenMCI")) != nullptr; }
    // Files of every kind in the harness folder, shown by the window.
    void fillFolder()
    {
        h->addMedia("chant.wav", FakeMedia{83456, 0, {}});
        h->addMedia("air.mid", FakeMedia{2000, 0, {}});
        h->addMedia("film.avi", FakeMedia{83456, 2087, QSize(640, 480)});
        h->addMedia("notes.txt", FakeMedia{});
        h->general.DernierDossier = h->folder.path();
    }

private slots:
    void init()
    {
        h = std::make_unique<WindowHarness>();
        fillFolder();
    }
    void cleanup()
    {
        h.reset();
        w = nullptr;
    }

    void fileInARootFolderHasOneSeparator_data()
    {
        QTest::addColumn<bool>("root");
        QTest::newRow("folder") << false;
        QTest::newRow("root") << true;
    }
    void fileInARootFolderHasOneSeparator()
    {
        QFETCH(bool, root);
        if (root)
            h->general.DernierDossier = QDir::rootPath();
        open(false);
        chooseKind(1);
        if (files()->listCount() == 0)
            QSKIP("the root folder holds no file here");
        const QString name = root ? files()->list(0) : QStringLiteral("chant.wav");
        clickFile(name);
        const QString folder = root ? QStringLiteral("/") : h->folder.path() + '/';
        QCOMPARE(h->general.FichierChoisi, folder + name);
    }

    void kindListChoosesWhatIsListedAndAnyFileIsPreviewed_data()
    {
        QTest::addColumn<bool>("animations");
        QTest::addColumn<QStringList>("ofTheKind");
        QTest::addColumn<QString>("otherKind");
        QTest::newRow("sounds") << false << QStringList{"air.mid", "chant.wav"} << "film.avi";
        QTest::newRow("animations") << true << QStringList{"film.avi"} << "chant.wav";
    }
    void kindListChoosesWhatIsListedAndAnyFileIsPreviewed()
    {
        QFETCH(bool, animations);
        QFETCH(QStringList, ofTheKind);
        QFETCH(QString, otherKind);
        open(animations);
        QCOMPARE(listed(), ofTheKind);
        chooseKind(1);
        QCOMPARE(listed(), (QStringList{"air.mid", "chant.wav", "film.avi", "notes.txt"}));
        clickFile(otherKind);
        QCOMPARE(w->mciWnd1().fileName(), h->folder.filePath(otherKind));
        QVERIFY(w->mciWnd1().isVisible());
        QVERIFY(button("CmdCopier")->isEnabled() && button("CmdSupprim")->isEnabled());
        chooseKind(0);
        QCOMPARE(listed(), ofTheKind);
    }

    void playButtonsDecideWhetherAClickPlays_data()
    {
        QTest::addColumn<QStringList>("buttons");
        QTest::addColumn<bool>("plays");
        QTest::addColumn<int>("border");
        QTest::newRow("as opened") << QStringList{} << false << 1;
        QTest::newRow("play") << QStringList{"CmdPlay"} << true << 2;
        QTest::newRow("play then stop") << QStringList{"CmdPlay", "CmdStop"} << false << 1;
    }
    void playButtonsDecideWhetherAClickPlays()
    {
        QFETCH(QStringList, buttons);
        QFETCH(bool, plays);
        QFETCH(int, border);
        open(false);
        for (const QString &b : buttons)
            click(qPrintable(b));
        clickFile("chant.wav");
        QCOMPARE(w->mciWnd1().mode() == QLatin1String("playing"), plays);
        QCOMPARE(w->require<ZarnPanel>(QStringLiteral("FondAnim"))->borderStyle(), border);
    }

    void statusAndTitleTellTheClickedFile_data()
    {
        QTest::addColumn<bool>("animations");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("text");
        QTest::newRow("sound") << false << "chant.wav"
                               << " Le son dure 1mn.23sec.456ms.";
        QTest::newRow("animation") << true << "film.avi"
                                   << " L'animation dure 1mn.23sec.456ms.et comporte 2087 images";
    }
    void statusAndTitleTellTheClickedFile()
    {
        QFETCH(bool, animations);
        QFETCH(QString, file);
        QFETCH(QString, text);
        open(animations);
        clickFile(file);
        QCOMPARE(status(), text);
        QCOMPARE(button("CmdDeplaceFen")->caption(),
                 "Ouverture - " + h->folder.filePath(file).toLower());
    }

    void closingKeepsOrDropsTheChoice_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("kept");
        QTest::newRow("OK") << "CmdOK" << true;
        QTest::newRow("Annuler") << "CmdAnnul" << false;
        QTest::newRow("window manager") << "close" << false;
        QTest::newRow("double-click") << "double" << true;
    }
    void closingKeepsOrDropsTheChoice()
    {
        QFETCH(QString, how);
        QFETCH(bool, kept);
        open(false);
        clickFile("air.mid");
        if (how == "double")
            clickFile("chant.wav", true);
        else if (how == "close")
            w->close();
        else
            click(qPrintable(how));
        WindowHarness::settle();
        QVERIFY(!loaded());
        const QString chosen = h->folder.filePath(how == "double" ? "chant.wav" : "air.mid");
        QCOMPARE(h->general.FichierChoisi, kept ? chosen : QString());
    }

    void copyPlaysItsSoundOnlyOnceCopied_data()
    {
        QTest::addColumn<bool>("dialogAccepted");
        QTest::addColumn<int>("outcome");
        QTest::addColumn<bool>("sound");
        QTest::addColumn<bool>("message");
        QTest::newRow("copied") << true << int(CopyOutcome::Copied) << true << false;
        QTest::newRow("onto itself") << true << int(CopyOutcome::SameFile) << false << false;
        QTest::newRow("stopped") << true << int(CopyOutcome::Cancelled) << false << false;
        QTest::newRow("failed") << true << int(CopyOutcome::Failed) << false << true;
        QTest::newRow("dialog cancelled") << false << -1 << false << false;
    }
    void copyPlaysItsSoundOnlyOnceCopied()
    {
        QFETCH(bool, dialogAccepted);
        QFETCH(int, outcome);
        QFETCH(bool, sound);
        QFETCH(bool, message);
        open(true);
        clickFile("film.avi");
        const QString target = h->folder.filePath("copie.avi");
        h->fakes.dialogs->replies.enqueue({dialogAccepted, target});
        if (outcome >= 0)
            h->fakes.files->copyResults.enqueue({CopyOutcome(outcome), "Disque plein."});
        click("CmdCopier");
        const CommonDialogState shown = h->fakes.dialogs->shown.value(0).state;
        QCOMPARE(shown.title, QStringLiteral("Copier l'animation"));
        QCOMPARE(shown.fileName, h->folder.filePath("film.avi"));
        QCOMPARE(shown.flags, 4);
        QCOMPARE(h->fakes.files->copies.size(), dialogAccepted ? 1 : 0);
        if (dialogAccepted)
            QCOMPARE(h->fakes.files->copies.first().destination, target);
        QCOMPARE(h->fakes.sound->played.size(), sound ? 1 : 0);
        QCOMPARE(h->fakes.messages->asked.size(), message ? 1 : 0);
        if (message)
            QCOMPARE(h->fakes.messages->asked.first().text, QStringLiteral("Disque plein."));
    }

    void deleteAsksThenMovesToTheTrash_data()
    {
        QTest::addColumn<QList<MessageAnswer>>("answers"); // empty: the default answer
        QTest::addColumn<bool>("refused");
        QTest::addColumn<bool>("trashed");
        QTest::addColumn<int>("messages");
        QTest::newRow("yes") << QList<MessageAnswer>{MessageAnswer::Yes} << false << true << 1;
        QTest::newRow("default answer") << QList<MessageAnswer>{} << false << false << 1;
        QTest::newRow("trash refuses")
            << QList<MessageAnswer>{MessageAnswer::Yes} << true << false << 2;
    }
    void deleteAsksThenMovesToTheTrash()
    {
        QFETCH(QList<MessageAnswer>, answers);
        QFETCH(bool, refused);
        QFETCH(bool, trashed);
        QFETCH(int, messages);
        QTemporaryDir trash;
        h->fakes.files->trashFolder = trash.path();
        h->fakes.files->refuseTrash = refused;
        for (MessageAnswer a : answers)
            h->fakes.messages->answers.enqueue(a);
        open(false);
        clickFile("chant.wav");
        click("CmdSupprim");
        WindowHarness::settle();
        const QString path = h->folder.filePath("chant.wav");
        QCOMPARE(h->fakes.files->cleared, QStringList{path});
        const MessageRequest question = h->fakes.messages->asked.value(0);
        QCOMPARE(question.buttons, MessageButtons::YesNo);
        QCOMPARE(question.defaultButton, 1);
        QVERIFY(question.text.contains(path) && question.text.contains("corbeille"));
        QCOMPARE(h->fakes.messages->asked.size(), messages);
        QCOMPARE(QFile::exists(path), !trashed);
        QCOMPARE(QFile::exists(QDir(trash.path()).filePath("chant.wav")), trashed);
        QCOMPARE(listed().contains("chant.wav"), !trashed);
        QVERIFY(w->mciWnd1().fileName().isEmpty());
        QVERIFY(!button("CmdCopier")->isEnabled() && !button("CmdSupprim")->isEnabled());
    }

    void vanishedFileIsPassedOverSilently()
    {
        open(false);
        QVERIFY(QFile::remove(h->folder.filePath("chant.wav")));
        clickFile("chant.wav");
        QVERIFY(h->fakes.messages->asked.isEmpty());
        QVERIFY(w->mciWnd1().fileName().isEmpty());
        QVERIFY(!button("CmdCopier")->isEnabled());
        QCOMPARE(status(), QString());
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
        QCOMPARE(h->fakes.messages->asked.first().buttons, MessageButtons::RetryCancel);
        QCOMPARE(w->require<DirList>(QStringLiteral("Répertoire1"))->path(),
                 retry ? gone : QDir::homePath());
    }

    void lastFolderCarriesAcrossModesAndCallersPlaceTheWindow()
    {
        FenPrin *main = h->mainWindow();
        main->move(400, 300);
        open(false);
        QCOMPARE(w->pos(), QPoint(380, 280));
        auto *folders = w->require<DirList>(QStringLiteral("Répertoire1"));
        QVERIFY(QDir(h->folder.path()).mkdir("sons"));
        folders->setPath(h->folder.filePath("sons"));
        click("CmdOK");
        WindowHarness::settle();
        open(true);
        QCOMPARE(w->require<DirList>(QStringLiteral("Répertoire1"))->path(),
                 h->folder.filePath("sons"));
    }

    void soundsPanelOpensTheManagerModal()
    {
        FenPrin *main = h->mainWindow();
        h->general.ChoixMultivues = true;
        bool seen = false;
        QTimer::singleShot(0, this, [&] {
            w = qobject_cast<FenMCI *>(h->windows.find(QStringLiteral("FenMCI")));
            seen = w && w->isVisible() && !w->mode().animations;
            if (w)
                click("CmdAnnul");
        });
        ZarnBttn *lect = main->button(QStringLiteral("CmdLect"));
        QMetaObject::invokeMethod(lect, "clicked");
        QVERIFY(seen);
        QVERIFY(!loaded());
    }
};

KV_TEST_MAIN(FileManagerTest)
#include "tst_filemanager.moc"
