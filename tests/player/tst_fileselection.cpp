#include "TestMain.h"
#include "WindowHarness.h"

#include "controls/ZarnBttn.h"
#include "controls/ZarnPanel.h"
#include "controls/files/DirList.h"
#include "controls/files/DriveList.h"
#include "controls/files/FileList.h"
#include "core/Twips.h"
#include "mainwindow/FenPrin.h"
#include "player/FileSelection.h"

#include <QStorageInfo>

using kvtest::WindowHarness;

class FileSelectionTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<WindowHarness> h;
    FenPrin *w = nullptr;
    MediaWindow *media = nullptr;
    FileList *files = nullptr;
    DirList *folders = nullptr;
    DriveList *drives = nullptr;
    QString m_a;
    QString m_b;

    bool shown(const char *name) const { return !w->control(QString::fromUtf8(name))->isHidden(); }
    bool enabled(const char *name) const
    {
        return w->control(QString::fromUtf8(name))->isEnabled();
    }
    void click(const char *name)
    {
        ZarnBttn *b = w->button(QString::fromUtf8(name));
        QTest::mouseClick(b, Qt::LeftButton, {}, b->rect().center());
    }
    void clickEntry(int row)
    {
        QListWidgetItem *item = files->item(row);
        QTest::mouseClick(files->viewport(), Qt::LeftButton, {},
                          files->visualItemRect(item).center());
    }
    FakeDialogFactory &dialogs() const { return *h->fakes.dialogs; }

private slots:
    void init()
    {
        h = std::make_unique<WindowHarness>();
        m_a = h->addMedia(QStringLiteral("A.avi"), FakeMedia{4000, 40, QSize(160, 120)});
        m_b = h->addMedia(QStringLiteral("B.avi"), FakeMedia{6000, 60, QSize(320, 240)});
        w = h->mainWindow();
        media = &w->mciWnd1();
        files = w->get<FileList>(QStringLiteral("Fichier1"));
        folders = w->get<DirList>(QStringLiteral("Répertoire1"));
        drives = w->get<DriveList>(QStringLiteral("Lecteur1"));
        QVERIFY(folders->setPath(h->folder.path()));
        QCOMPARE(files->path(), folders->path());
    }

    void cleanup() { h.reset(); }

    void dialogAsksForAnAnimationWithTheWindowsFilterIndex()
    {
        click("CmdFiMCI");
        QCOMPARE(dialogs().shown.size(), 1);
        const FakeCommonDialog::Shown &asked = dialogs().shown.last();
        QCOMPARE(int(asked.kind), int(FakeCommonDialog::Kind::Open));
        QCOMPARE(asked.state.title, QStringLiteral("Nom du fichier AVI (MPEG, MOV)"));
        QCOMPARE(asked.state.filter,
                 QStringLiteral(
                     "Animations AVI (MPG, MOV)|*.avi;*.mpg;*.mov|Tous les fichiers (*.*)|*.*"));
        QCOMPARE(asked.state.filterIndex, 4);
        QCOMPARE(asked.state.flags, 4);
    }

    // Each row: the dialog's answers to successive clicks, and the media left open.
    void dialogAnswersDecideTheMedia_data()
    {
        QTest::addColumn<QStringList>("answers"); // a name accepts it, "" cancels
        QTest::addColumn<QString>("expected");
        QTest::newRow("first run, cancelled") << QStringList{QString()} << QString();
        QTest::newRow("chosen") << QStringList{QStringLiteral("A.avi")} << QStringLiteral("A.avi");
        QTest::newRow("cancel reopens the last choice")
            << QStringList{QStringLiteral("B.avi"), QString()} << QStringLiteral("B.avi");
        QTest::newRow("second choice replaces the first")
            << QStringList{QStringLiteral("A.avi"), QStringLiteral("B.avi")}
            << QStringLiteral("B.avi");
    }

    void dialogAnswersDecideTheMedia()
    {
        QFETCH(QStringList, answers);
        QFETCH(QString, expected);
        for (const char *name : {"CmdPlayAVI", "CmdRepetAVI", "CmdPlEcrAVI"})
            w->button(QString::fromUtf8(name))->setEnabled(false);
        w->control(QStringLiteral("ButAVI"))->hide();
        w->state().ModeNormal = false;
        w->state().PleinEcran = true;

        for (const QString &answer : std::as_const(answers)) {
            if (answer.isEmpty())
                dialogs().replies.enqueue({false, {}});
            else
                dialogs().replies.enqueue({true, QDir(h->folder.path()).filePath(answer)});
            click("CmdFiMCI");
            WindowHarness::settle();
        }

        const QString expectedPath
            = expected.isEmpty() ? QString() : QDir(h->folder.path()).filePath(expected);
        QCOMPARE(media->fileName(), expectedPath);
        // Whatever the dialog said, the pane and the transport are made ready.
        QVERIFY(!media->isHidden());
        QVERIFY(enabled("CmdPlayAVI"));
        QVERIFY(enabled("CmdRepetAVI"));
        QVERIFY(enabled("CmdPlEcrAVI"));
        QVERIFY(shown("ButAVI"));
        QVERIFY(w->state().ModeNormal);
        QVERIFY(!w->state().PleinEcran);
    }

    void fullNameHasOneSeparator_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("expected");
        QTest::newRow("root") << QStringLiteral("/") << QStringLiteral("/A.AVI");
        QTest::newRow("folder") << QString() << QStringLiteral("/A.AVI");
    }

    void fullNameHasOneSeparator()
    {
        QFETCH(QString, folder);
        QFETCH(QString, expected);
        if (folder.isEmpty())
            folder = h->folder.path();
        QVERIFY(files->setPath(folder));
        const QString name = w->fileSelection().fullName(QStringLiteral("A.AVI"));
        QCOMPARE(name, folder == QStringLiteral("/") ? expected : folder + expected);
        QVERIFY(!name.contains(QStringLiteral("//")));
    }

    void clickRecordsTheFullNameOfTheEntry()
    {
        click("CmdSeqAVI");
        click("mnuSelecFic");
        QCOMPARE(files->listCount(), 2);
        clickEntry(1);
        QCOMPARE(w->state().FichierCourant, m_b);
        QVERIFY(w->state().FichierClique);
        // In a slideshow mode the click only records the file.
        QVERIFY(media->fileName().isEmpty());
    }

    void menuButtonOpensThenCloses()
    {
        QWidget *menu = w->control(QStringLiteral("mnuSeqAVI"));
        QVERIFY(menu->isHidden());
        click("CmdSeqAVI");
        QVERIFY(!menu->isHidden());
        QCOMPARE(Twips::rect(menu).topLeft(), QPointF(1800, 2280));
        click("CmdSeqAVI");
        QVERIFY(menu->isHidden());
    }

    void menuEntriesSetThePanelModes_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<bool>("dossier");
        QTest::addColumn<bool>("selection");
        QTest::addColumn<bool>("seqAvi");
        QTest::addColumn<bool>("stopShown");
        QTest::newRow("Tout le dossier") << "mnuToutRep" << true << false << true << true;
        QTest::newRow("Sélection de fichiers") << "mnuSelecFic" << false << true << true << true;
        // The list keeps the earlier modes (none here) and leaves the slideshow button alone.
        QTest::newRow("Liste des fichiers") << "mnuListFic" << false << false << false << false;
    }

    void menuEntriesSetThePanelModes()
    {
        QFETCH(QString, entry);
        QFETCH(bool, dossier);
        QFETCH(bool, selection);
        QFETCH(bool, seqAvi);
        QFETCH(bool, stopShown);
        click("CmdSeqAVI");
        click(entry.toUtf8().constData());
        const FenPrinState &s = w->state();
        QVERIFY(!shown("mnuSeqAVI"));
        QVERIFY(!s.ModeNormal);
        QVERIFY(!shown("ButAVI"));
        QVERIFY(shown("PSeqAVI"));
        QVERIFY(shown("PSeqAVI2"));
        QCOMPARE(files->pattern(), QStringLiteral("*.avi;*.mpg;*.mov"));
        QCOMPARE(s.scope == PanelScope::ModeDossier, dossier);
        QCOMPARE(s.scope == PanelScope::ModeSelection, selection);
        QCOMPARE(s.SeqAVI(), seqAvi);
        QCOMPARE(s.ModeListe, !seqAvi);
        QCOMPARE(shown("CmdSeqSTOP"), stopShown);
        QCOMPARE(shown("CmdSeqAVI"), !stopShown);
        QCOMPARE(enabled("CmdFiMCI"), !stopShown);
    }

    void listClickPlaysAtZoom100_data()
    {
        QTest::addColumn<int>("zoomBefore");
        QTest::newRow("smaller") << 50;
        QTest::newRow("larger") << 200;
        QTest::newRow("already 100") << 100;
    }

    void listClickPlaysAtZoom100()
    {
        QFETCH(int, zoomBefore);
        media->setZoom(zoomBefore);
        w->panel(QStringLiteral("ZoomText"))->setCaption(QString::number(zoomBefore));
        click("CmdSeqAVI");
        click("mnuListFic");
        clickEntry(0);
        WindowHarness::settle();
        QCOMPARE(media->fileName(), m_a);
        QCOMPARE(media->mode(), QStringLiteral("playing"));
        QCOMPARE(media->zoom(), 100);
        QCOMPARE(w->panel(QStringLiteral("ZoomText"))->caption(), QStringLiteral("100"));
        QVERIFY(!media->isHidden());

        // The next click replaces the file, still at 100.
        media->setZoom(zoomBefore);
        clickEntry(1);
        WindowHarness::settle();
        QCOMPARE(media->fileName(), m_b);
        QCOMPARE(media->mode(), QStringLiteral("playing"));
        QCOMPARE(media->zoom(), 100);
        QVERIFY(!w->state().ModeNormal);
    }

    void unreadableDriveOffersRetryThenReturnsToTheFoldersDrive_data()
    {
        QTest::addColumn<QList<int>>("answers");
        QTest::newRow("cancel") << QList<int>{int(MessageAnswer::Cancel)};
        QTest::newRow("retry, then cancel")
            << QList<int>{int(MessageAnswer::Retry), int(MessageAnswer::Cancel)};
    }

    void unreadableDriveOffersRetryThenReturnsToTheFoldersDrive()
    {
        QFETCH(QList<int>, answers);
        const QString folder = folders->path();
        const QString foldersDrive = QStorageInfo(folder).rootPath();
        // Put the drive list on another volume when the machine has one, so that going back
        // shows in the drive itself; everywhere, a successful choice clears the failed drive.
        for (const QStorageInfo &volume : QStorageInfo::mountedVolumes()) {
            if (volume.isValid() && volume.isReady() && !volume.isReadOnly()
                && volume.rootPath() != foldersDrive) {
                const QSignalBlocker blocker(drives);
                if (drives->setDrive(volume.rootPath()))
                    break;
            }
        }
        for (int answer : std::as_const(answers))
            h->fakes.messages->answers.enqueue(MessageAnswer(answer));
        QSignalSpy errors(drives, &DriveList::readError);

        drives->setDrive(QStringLiteral("/no/such/volume/here"));

        QCOMPARE(h->fakes.messages->asked.size(), answers.size());
        QCOMPARE(errors.size(), answers.size());
        for (int i = 0; i < answers.size(); ++i) {
            const MessageRequest &asked = h->fakes.messages->asked.at(i);
            QCOMPARE(asked.text, errors.at(i).at(0).toString());
            QCOMPARE(asked.title, h->general.TitreAppli);
            QCOMPARE(int(asked.icon), int(MessageIcon::Exclamation));
            QCOMPARE(int(asked.buttons), int(MessageButtons::RetryCancel));
        }
        QVERIFY(!h->fakes.messages->asked.first().text.isEmpty());
        QCOMPARE(drives->drive(), foldersDrive);
        QVERIFY(drives->failedDrive().isEmpty());
        QCOMPARE(folders->path(), folder);
        QCOMPARE(files->path(), folder);
    }
};

KV_TEST_MAIN(FileSelectionTest)
#include "tst_fileselection.moc"
