#include "TestMain.h"
#include "WindowHarness.h"

#include "controls/files/DirList.h"
#include "controls/files/DriveList.h"
#include "core/Twips.h"
#include "player/FileSelection.h"

#include <QStorageInfo>

using kvtest::WindowHarness;

class FileSelectionTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<WindowHarness> h;
    FileList *files = nullptr;
    DirList *folders = nullptr;

private slots:
    void init()
    {
        h = std::make_unique<WindowHarness>();
        h->addMedia(QStringLiteral("A.avi"), FakeMedia{4000, 40, QSize(160, 120)});
        h->addMedia(QStringLiteral("B.avi"), FakeMedia{6000, 60, QSize(320, 240)});
        h->mainWindow();
        files = h->main->get<FileList>(QStringLiteral("Fichier1"));
        folders = h->main->get<DirList>(QStringLiteral("Répertoire1"));
        QVERIFY(folders->setPath(h->folder.path()));
    }
    void cleanup() { h.reset(); }

    // Each row: the dialog's answers to successive clicks ("" cancels), and the animation
    // left open. Whatever the dialog said, the pane and the transport are made ready.
    void dialogAnswersDecideTheMedia_data()
    {
        QTest::addColumn<QStringList>("answers");
        QTest::addColumn<QString>("playing");
        QTest::newRow("first run, cancelled") << QStringList{""} << " not ready 0";
        QTest::newRow("chosen") << QStringList{"A.avi"} << "A.avi stopped 0";
        QTest::newRow("cancel reopens the last choice")
            << QStringList{"B.avi", ""} << "B.avi stopped 0";
        QTest::newRow("second choice replaces the first")
            << QStringList{"A.avi", "B.avi"} << "B.avi stopped 0";
    }
    void dialogAnswersDecideTheMedia()
    {
        QFETCH(QStringList, answers);
        QFETCH(QString, playing);
        h->click("CmdSeqAVI");
        h->click("mnuListFic"); // leaves the normal mode, hides the transport
        for (const char *name : {"CmdPlayAVI", "CmdRepetAVI", "CmdPlEcrAVI"})
            h->main->button(name)->setEnabled(false);
        for (const QString &answer : std::as_const(answers)) {
            h->answer(answer.isEmpty() ? answer : QDir(h->folder.path()).filePath(answer));
            h->click("CmdFiMCI");
        }
        QCOMPARE(h->playing(), playing);
        QCOMPARE(h->looks({"ButAVI", "CmdPlayAVI", "CmdRepetAVI", "CmdPlEcrAVI"}),
                 "ButAVI CmdPlayAVI CmdRepetAVI CmdPlEcrAVI");
        QVERIFY(!h->animation().isHidden());
        const FakeCommonDialog::Shown &asked = h->fakes.dialogs->shown.last();
        QCOMPARE(int(asked.kind), int(FakeCommonDialog::Kind::Open));
        QCOMPARE(asked.state.title, QStringLiteral("Nom du fichier AVI (MPEG, MOV)"));
        QCOMPARE(asked.state.filter, QStringLiteral("Animations AVI (MPG, MOV)|*.avi;*.mpg;*.mov|"
                                                    "Tous les fichiers (*.*)|*.*"));
        QCOMPARE(asked.state.filterIndex, 4);
        QCOMPARE(asked.state.flags, 4);
    }

    void fullNameHasOneSeparator()
    {
        QVERIFY(files->setPath(QStringLiteral("/")));
        QCOMPARE(h->main->fileSelection().fullName(QStringLiteral("A.AVI")), "/A.AVI");
        QVERIFY(files->setPath(h->folder.path()));
        QCOMPARE(h->main->fileSelection().fullName(QStringLiteral("A.AVI")),
                 h->folder.path() + "/A.AVI");
    }

    void menuButtonOpensThenCloses()
    {
        h->click("CmdSeqAVI");
        QVERIFY(h->shown("mnuSeqAVI"));
        QCOMPARE(Twips::rect(h->main->control("mnuSeqAVI")).topLeft(), QPointF(1800, 2280));
        h->click("CmdSeqAVI");
        QVERIFY(!h->shown("mnuSeqAVI"));
    }

    // The menu's entries open the file panel on animations; the slideshows take the place of
    // their button with a stop and close the file dialog button, the list leaves both alone.
    void menuEntriesOpenThePanel_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("looks");
        const QString slideshow = "(mnuSeqAVI) (ButAVI) PSeqAVI PSeqAVI2 (CmdSeqAVI) CmdSeqSTOP "
                                  "CmdFiMCI-";
        QTest::newRow("Tout le dossier") << "mnuToutRep" << slideshow;
        QTest::newRow("Sélection de fichiers") << "mnuSelecFic" << slideshow;
        QTest::newRow("Liste des fichiers")
            << "mnuListFic"
            << "(mnuSeqAVI) (ButAVI) PSeqAVI PSeqAVI2 CmdSeqAVI (CmdSeqSTOP) CmdFiMCI";
    }
    void menuEntriesOpenThePanel()
    {
        QFETCH(QString, entry);
        QFETCH(QString, looks);
        h->click("CmdSeqAVI");
        h->click(entry);
        QCOMPARE(h->looks({"mnuSeqAVI", "ButAVI", "PSeqAVI", "PSeqAVI2", "CmdSeqAVI", "CmdSeqSTOP",
                           "CmdFiMCI"}),
                 looks);
        QCOMPARE(files->pattern(), QStringLiteral("*.avi;*.mpg;*.mov"));
        // In a slideshow a click only chooses the file; in the list it plays it.
        h->clickEntry(1);
        QCOMPARE(h->playing(), entry == "mnuListFic" ? "B.avi playing 0" : " not ready 0");
    }

    // A file clicked in the list plays at zoom 100, whatever the zoom was.
    void listClickPlaysAtZoom100_data()
    {
        QTest::addColumn<int>("zoomBefore");
        QTest::newRow("smaller") << 50;
        QTest::newRow("larger") << 200;
    }
    void listClickPlaysAtZoom100()
    {
        QFETCH(int, zoomBefore);
        h->click("CmdSeqAVI");
        h->click("mnuListFic");
        for (int row : {0, 1}) {
            h->animation().setZoom(zoomBefore);
            h->main->panel("ZoomText")->setCaption(QString::number(zoomBefore));
            h->clickEntry(row);
            QCOMPARE(h->playing(), row ? "B.avi playing 0" : "A.avi playing 0");
            QCOMPARE(h->animation().zoom(), 100);
            QCOMPARE(h->caption("ZoomText"), QStringLiteral("100"));
            QVERIFY(!h->animation().isHidden());
        }
    }

    // A drive that cannot be read is told with Retry and Cancel; Cancel goes back to the
    // drive of the folder shown.
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
        auto *drives = h->main->get<DriveList>(QStringLiteral("Lecteur1"));
        const QString folder = folders->path();
        const QString foldersDrive = QStorageInfo(folder).rootPath();
        // The drive list on another volume where the machine has one, so that going back
        // shows in the drive itself.
        for (const QStorageInfo &volume : QStorageInfo::mountedVolumes()) {
            const QSignalBlocker blocker(drives);
            if (volume.isValid() && volume.isReady() && !volume.isReadOnly()
                && volume.rootPath() != foldersDrive && drives->setDrive(volume.rootPath()))
                break;
        }
        for (int answer : std::as_const(answers))
            h->fakes.messages->answers.enqueue(MessageAnswer(answer));
        QSignalSpy errors(drives, &DriveList::readError);
        drives->setDrive(QStringLiteral("/no/such/volume/here"));
        QCOMPARE(h->fakes.messages->asked.size(), answers.size());
        for (int i = 0; i < answers.size(); ++i) {
            const MessageRequest &asked = h->fakes.messages->asked.at(i);
            QCOMPARE(asked.text, errors.at(i).at(0).toString());
            QCOMPARE(asked.title, h->general.TitreAppli);
            QCOMPARE(int(asked.icon), int(MessageIcon::Exclamation));
            QCOMPARE(int(asked.buttons), int(MessageButtons::RetryCancel));
        }
        QVERIFY(!h->fakes.messages->asked.first().text.isEmpty());
        QCOMPARE(drives->drive(), foldersDrive);
        QCOMPARE(folders->path(), folder);
        QCOMPARE(files->path(), folder);
    }
};

KV_TEST_MAIN(FileSelectionTest)
#include "tst_fileselection.moc"
