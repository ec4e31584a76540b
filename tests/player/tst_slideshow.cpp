#include "TestMain.h"
#include "WindowHarness.h"

#include "controls/files/DirList.h"
#include "core/Twips.h"
#include "player/Slideshow.h"

using kvtest::WindowHarness;

// Slideshows of a folder of 1 s animations: the files the media window is told to play, in
// order and full screen or not, and the buttons the user has afterwards.
class SlideshowTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<WindowHarness> h;
    QString m_three; // A, B, C
    QString m_five;  // A to E
    QStringList m_played;
    QList<bool> m_fullScreen;
    const QStringList m_idleNames{"ButAVI", "CmdFiMCI", "CmdSeqAVI", "CmdSeqSTOP", "PSeqAVI"};
    const QString m_idle = "ButAVI CmdFiMCI CmdSeqAVI (CmdSeqSTOP) (PSeqAVI)";

    QString folderWith(const QString &folder, const QStringList &names)
    {
        QDir(h->folder.path()).mkdir(folder);
        for (const QString &name : names)
            h->addMedia(folder + '/' + name, FakeMedia{1000, 10, QSize(80, 60)});
        return QDir(h->folder.path()).filePath(folder);
    }
    // The panel opened from the AVI menu on a folder, with the given entries clicked.
    void preparePanel(const char *entry, const QString &folder, const QList<int> &rows)
    {
        h->click("CmdSeqAVI");
        h->click(entry);
        QVERIFY(h->main->get<DirList>(QStringLiteral("Répertoire1"))->setPath(folder));
        for (int i = 0; i < rows.size(); ++i)
            h->clickEntry(rows.at(i), i == 0 ? Qt::NoModifier : Qt::ControlModifier);
    }
    // The current file reaches its end; its "stopped" report arms Timer1 for the next one.
    void finishCurrent()
    {
        h->advance(2000);
        QCOMPARE(h->animation().mode(), MediaWindow::Mode::Stopped);
    }
    QPoint freeBackgroundPoint() const
    {
        for (int y = 2; y < h->main->height(); y += 4) {
            for (int x = 2; x < h->main->width(); x += 4) {
                if (!h->main->childAt(x, y))
                    return {x, y};
            }
        }
        return {-1, -1};
    }

private slots:
    void init()
    {
        h = std::make_unique<WindowHarness>();
        m_three = folderWith(QStringLiteral("three"), {"A.avi", "B.avi", "C.avi"});
        m_five = folderWith(QStringLiteral("five"), {"A.avi", "B.avi", "C.avi", "D.avi", "E.avi"});
        h->mainWindow();
        m_played.clear();
        m_fullScreen.clear();
        // Notifications read the mode when they arrive, so two of them can both read
        // "playing": a start is counted once.
        auto lastMode = std::make_shared<QString>();
        connect(&h->animation(), &MediaWindow::modeChanged, this, [this, lastMode] {
            const QString mode = h->animation().modeName();
            if (mode == "playing" && *lastMode != mode) {
                m_played << QFileInfo(h->animation().fileName()).fileName();
                m_fullScreen << h->animation().isFullScreenPlaying();
            }
            *lastMode = mode;
        });
    }
    void cleanup() { h.reset(); }

    // The clicked file first, then on from the entry after it, round the folder; nothing
    // moves on while a file plays.
    void wholeFolderGoesOnFromTheClickedFile()
    {
        h->main->timer1().setInterval(20);
        preparePanel("mnuToutRep", m_three, {1});
        h->click("CmdOKSeqAVI");
        QCOMPARE(h->looks({"PSeqAVI", "PSeqAVI2", "CmdSeqSTOP"}),
                 "(PSeqAVI) (PSeqAVI2) CmdSeqSTOP");
        const QStringList expected{"B.avi", "B.avi", "C.avi", "A.avi", "B.avi", "C.avi", "A.avi"};
        for (int i = 1; i < expected.size(); ++i) {
            h->advance(500);
            QVERIFY(!h->main->timer1().isActive());
            QCOMPARE(m_played.size(), i);
            finishCurrent();
            QVERIFY(h->main->timer1().isActive());
            QTRY_COMPARE(m_played, expected.mid(0, i + 1));
            QVERIFY(!h->main->timer1().isActive()); // off again with the "playing" report
        }
    }

    // One tick a row: the file it plays, or "" where it skips an entry not selected.
    void selectionSkipsUnselectedEntriesOneTickEach()
    {
        preparePanel("mnuSelecFic", m_five, {0, 2});
        h->click("CmdOKSeqAVI");
        QCOMPARE(m_played, QStringList{"C.avi"}); // the file clicked last
        finishCurrent();
        QStringList played{"C.avi"};
        for (const QString &tick : QStringList{"", "C.avi", "", "", "A.avi", "", "C.avi"}) {
            QVERIFY(h->main->timer1().isActive());
            h->main->slideshow().tick();
            WindowHarness::settle();
            if (!tick.isEmpty()) {
                played << tick;
                finishCurrent();
            }
            QCOMPARE(m_played, played);
        }
    }

    void okWithoutAFileClickedDoesNotStart_data()
    {
        QTest::addColumn<bool>("clickedForAnEarlierRun");
        QTest::newRow("never clicked") << false;
        QTest::newRow("clicked before the previous start") << true;
    }
    void okWithoutAFileClickedDoesNotStart()
    {
        QFETCH(bool, clickedForAnEarlierRun);
        if (clickedForAnEarlierRun) {
            preparePanel("mnuToutRep", m_three, {0});
            h->click("CmdOKSeqAVI");
            h->click("CmdSeqSTOP");
            m_played.clear();
        }
        preparePanel("mnuToutRep", m_three, {});
        h->click("CmdOKSeqAVI");
        QVERIFY(m_played.isEmpty());
        QCOMPARE(h->looks(m_idleNames), m_idle);
        QVERIFY(!h->main->timer1().isActive());
    }

    // A stop between two files plays nothing more and gives the player back, rewound.
    void stopDuringTheGapPlaysNothingMore()
    {
        h->main->timer1().setInterval(20);
        preparePanel("mnuToutRep", m_three, {1});
        h->click("CmdOKSeqAVI");
        for (const char *name : {"CmdPlayAVI", "CmdRepetAVI", "CmdPlEcrAVI"})
            h->main->button(name)->setEnabled(false);
        const QSignalBlocker noTick(&h->main->timer1()); // the gap lasts while the test looks
        finishCurrent();
        h->click("CmdSeqSTOP");
        QVERIFY(!h->main->timer1().isActive());
        QCOMPARE(h->playing(), "B.avi stopped 0");
        QCOMPARE(h->looks(m_idleNames), m_idle);
        QCOMPARE(h->looks({"CmdPlayAVI", "CmdRepetAVI", "CmdPlEcrAVI"}),
                 "CmdPlayAVI CmdRepetAVI CmdPlEcrAVI");
        QTest::qWait(100);
        QCOMPARE(m_played, QStringList{"B.avi"});
    }

    // The list plays a clicked file at once; Annuler closes it, OK keeps it stopped.
    void listKeepsOrClosesTheLastFile_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("playing");
        QTest::addColumn<QString>("looks");
        QTest::newRow("Annuler") << "CmdAnnulSeqAVI"
                                 << " not ready 0"
                                 << "(ButAVI) CmdSeqAVI (PSeqAVI) (PSeqAVI2) CmdPlayAVI-";
        QTest::newRow("OK") << "CmdOKSeqAVI"
                            << "C.avi stopped 0"
                            << "ButAVI CmdSeqAVI (PSeqAVI) (PSeqAVI2) CmdPlayAVI";
    }
    void listKeepsOrClosesTheLastFile()
    {
        QFETCH(QString, button);
        QFETCH(QString, playing);
        QFETCH(QString, looks);
        h->animation().setZoom(50);
        preparePanel("mnuListFic", m_three, {2});
        QCOMPARE(m_played, QStringList{"C.avi"});
        QVERIFY(!h->enabled("CmdSeqAVI")); // disabled while it plays
        h->main->button("CmdPlayAVI")->setEnabled(false);
        h->click(button);
        QCOMPARE(h->playing(), playing);
        QCOMPARE(h->looks({"ButAVI", "CmdSeqAVI", "PSeqAVI", "PSeqAVI2", "CmdPlayAVI"}), looks);
        QCOMPARE(h->animation().zoom(), 100);
        QVERIFY(!h->main->timer1().isActive());
    }

    // A right press on the slideshow button asks whether to play full screen.
    void warningPanelDecidesFullScreen_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<bool>("fullScreen");
        QTest::newRow("OK arms it") << "CmdOKAvertSeqAVI" << true;
        QTest::newRow("Annuler disarms it") << "CmdAnnulAvertSeqAVI" << false;
    }
    void warningPanelDecidesFullScreen()
    {
        QFETCH(QString, answer);
        QFETCH(bool, fullScreen);
        const QString other = fullScreen ? "CmdAnnulAvertSeqAVI" : "CmdOKAvertSeqAVI";
        for (const QString &choice : {other, answer}) {
            h->press("CmdSeqAVI", Qt::RightButton);
            QVERIFY(h->shown("FondAvertissement"));
            QCOMPARE(Twips::rect(h->main->control("FondAvertissement")).topLeft(),
                     QPointF(1800, 660));
            h->click(choice);
            QVERIFY(!h->shown("FondAvertissement"));
        }
        preparePanel("mnuToutRep", m_three, {0});
        h->click("CmdOKSeqAVI");
        finishCurrent();
        h->main->slideshow().tick();
        WindowHarness::settle();
        QCOMPARE(m_played, (QStringList{"A.avi", "B.avi"}));
        QCOMPARE(m_fullScreen, (QList<bool>{fullScreen, fullScreen}));
    }

    // Between two files, a left click on the background ends a full-screen slideshow only.
    void backgroundClickStopsOnlyAFullScreenSlideshow_data()
    {
        QTest::addColumn<bool>("armed");
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::newRow("full screen") << true << Qt::LeftButton;
        QTest::newRow("full screen, right button") << true << Qt::RightButton;
        QTest::newRow("full screen, middle button") << true << Qt::MiddleButton;
        QTest::newRow("in the window") << false << Qt::LeftButton;
    }
    void backgroundClickStopsOnlyAFullScreenSlideshow()
    {
        QFETCH(bool, armed);
        QFETCH(Qt::MouseButton, button);
        const bool stops = armed && button == Qt::LeftButton;
        h->press("CmdSeqAVI", Qt::RightButton);
        h->click(armed ? "CmdOKAvertSeqAVI" : "CmdAnnulAvertSeqAVI");
        preparePanel("mnuToutRep", m_three, {0});
        h->click("CmdOKSeqAVI");
        const QSignalBlocker noTick(&h->main->timer1());
        finishCurrent(); // the end of the file also ends its full-screen play
        const QPoint free = freeBackgroundPoint();
        QVERIFY(free.x() >= 0);
        QTest::mouseClick(h->main, button, {}, free);
        WindowHarness::settle();
        QCOMPARE(h->main->timer1().isActive(), !stops);
        QCOMPARE(h->looks(m_idleNames),
                 stops ? m_idle : "(ButAVI) CmdFiMCI- (CmdSeqAVI) CmdSeqSTOP (PSeqAVI)");
        QCOMPARE(m_played, QStringList{"A.avi"});
        // Once stopped, the next slideshow plays in the window.
        if (stops) {
            QCOMPARE(h->playing(), "A.avi stopped 0");
            preparePanel("mnuToutRep", m_three, {1});
            h->click("CmdOKSeqAVI");
            QCOMPARE(m_fullScreen, (QList<bool>{true, false}));
        }
    }
};

KV_TEST_MAIN(SlideshowTest)
#include "tst_slideshow.moc"
