#include "TestMain.h"
#include "WindowHarness.h"

#include "controls/ZarnBttn.h"
#include "controls/ZarnPanel.h"
#include "controls/files/DirList.h"
#include "controls/files/FileList.h"
#include "core/Twips.h"
#include "mainwindow/FenPrin.h"
#include "player/Slideshow.h"

using kvtest::WindowHarness;

class SlideshowTest : public QObject
{
    Q_OBJECT

private:
    static constexpr qint64 LengthMs = 1000;

    std::unique_ptr<WindowHarness> h;
    FenPrin *w = nullptr;
    MediaWindow *media = nullptr;
    FileList *files = nullptr;
    QString m_three; // A, B, C
    QString m_five;  // A to E
    // Names of the files in the order the media window reported them playing.
    QStringList m_played;
    QList<bool> m_fullScreen;
    QString m_lastMode;

    FakeEngine *engine() const { return WindowHarness::engineOf(*media); }
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
    void clickEntry(int row, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::mouseClick(files->viewport(), Qt::LeftButton, modifiers,
                          files->visualItemRect(files->item(row)).center());
    }
    QString folderWith(const QString &folder, const QStringList &names)
    {
        QDir(h->folder.path()).mkdir(folder);
        for (const QString &name : names)
            h->addMedia(folder + QLatin1Char('/') + name, FakeMedia{LengthMs, 10, QSize(80, 60)});
        return QDir(h->folder.path()).filePath(folder);
    }
    // Opens the panel from the AVI menu on a folder and clicks the given entries.
    void preparePanel(const char *entry, const QString &folder, const QList<int> &rows)
    {
        click("CmdSeqAVI");
        click(entry);
        QVERIFY(w->get<DirList>(QStringLiteral("Répertoire1"))->setPath(folder));
        QCOMPARE(files->path(), folder);
        for (int i = 0; i < rows.size(); ++i)
            clickEntry(rows.at(i), i == 0 ? Qt::NoModifier : Qt::ControlModifier);
    }
    // The current file reaches its end; its "stopped" report arms Timer1.
    void finishCurrent()
    {
        QVERIFY(engine());
        engine()->advance(2 * LengthMs);
        WindowHarness::settle();
        QCOMPARE(media->mode(), QStringLiteral("stopped"));
    }
    void verifyIdleButtons()
    {
        QVERIFY(w->state().ModeNormal);
        QVERIFY(shown("ButAVI"));
        QVERIFY(enabled("CmdFiMCI"));
        QVERIFY(shown("CmdSeqAVI"));
        QVERIFY(!shown("CmdSeqSTOP"));
    }
    QPoint freeBackgroundPoint() const
    {
        for (int y = 2; y < w->height(); y += 4) {
            for (int x = 2; x < w->width(); x += 4) {
                if (!w->childAt(x, y))
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
        w = h->mainWindow();
        media = &w->mciWnd1();
        files = w->get<FileList>(QStringLiteral("Fichier1"));
        m_played.clear();
        m_fullScreen.clear();
        // Notifications read the mode when they arrive, so two of them can both read
        // "playing": a start is counted once.
        m_lastMode.clear();
        connect(media, &MediaWindow::modeChanged, this, [this] {
            const QString mode = media->mode();
            const bool started = mode == QStringLiteral("playing") && m_lastMode != mode;
            m_lastMode = mode;
            if (started) {
                m_played << QFileInfo(media->fileName()).fileName();
                m_fullScreen << media->isFullScreenPlaying();
            }
        });
    }

    void cleanup() { h.reset(); }

    void wholeFolderPlaysTheClickedFileThenGoesOnFromIndexSeq()
    {
        w->timer1().setInterval(20);
        preparePanel("mnuToutRep", m_three, {1});
        QCOMPARE(w->state().IndexSeq, 0);
        click("CmdOKSeqAVI");
        WindowHarness::settle();
        QVERIFY(!shown("PSeqAVI"));
        QVERIFY(!shown("PSeqAVI2"));
        QCOMPARE(m_played, QStringList{"B.avi"});
        QVERIFY(!w->timer1().isActive());

        const QStringList expected{"B.avi", "B.avi", "C.avi", "A.avi", "B.avi", "C.avi", "A.avi"};
        for (int i = 1; i < expected.size(); ++i) {
            // Nothing moves on while the file plays.
            engine()->advance(LengthMs / 2);
            WindowHarness::settle();
            QVERIFY(!w->timer1().isActive());
            QCOMPARE(m_played.size(), i);

            finishCurrent();
            QVERIFY(w->timer1().isActive());
            QTRY_COMPARE(m_played.size(), i + 1);
            QCOMPARE(m_played, expected.mid(0, i + 1));
            QVERIFY(!w->timer1().isActive()); // off again with the "playing" report
            QCOMPARE(w->state().FichierCourant, QDir(m_three).filePath(expected.at(i)));
        }
        QVERIFY(!enabled("CmdSeqAVI"));
    }

    void selectionSkipsUnselectedEntriesOneTickEach()
    {
        preparePanel("mnuSelecFic", m_five, {0, 2});
        QVERIFY(files->selected(0));
        QVERIFY(!files->selected(1));
        QVERIFY(files->selected(2));
        click("CmdOKSeqAVI");
        WindowHarness::settle();
        QCOMPARE(m_played, QStringList{"C.avi"}); // the file clicked last
        finishCurrent();

        // One row per tick: the file it plays, or "" when it skips an unselected entry.
        const QStringList ticks{"", "C.avi", "", "", "A.avi", "", "C.avi"};
        QStringList played{"C.avi"};
        for (int i = 0; i < ticks.size(); ++i) {
            QVERIFY(w->timer1().isActive());
            w->slideshow().tick();
            WindowHarness::settle();
            QCOMPARE(w->state().IndexSeq, (i + 1) % 5);
            if (ticks.at(i).isEmpty()) {
                QCOMPARE(m_played, played);
                QCOMPARE(media->mode(), QStringLiteral("stopped"));
                continue;
            }
            played << ticks.at(i);
            QCOMPARE(m_played, played);
            QVERIFY(!w->timer1().isActive());
            finishCurrent();
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
            click("CmdOKSeqAVI");
            WindowHarness::settle();
            click("CmdSeqSTOP");
            WindowHarness::settle();
            m_played.clear();
        }
        preparePanel("mnuToutRep", m_three, {});
        QVERIFY(!w->state().ModeNormal);
        click("CmdOKSeqAVI");
        WindowHarness::settle();
        QVERIFY(m_played.isEmpty());
        QVERIFY(!shown("PSeqAVI"));
        QVERIFY(!shown("PSeqAVI2"));
        verifyIdleButtons();
        QVERIFY(!w->timer1().isActive());
    }

    void stopDuringTheGapPlaysNothingMore()
    {
        w->timer1().setInterval(20);
        preparePanel("mnuToutRep", m_three, {1});
        click("CmdOKSeqAVI");
        WindowHarness::settle();
        for (const char *name : {"CmdPlayAVI", "CmdRepetAVI", "CmdPlEcrAVI"})
            w->button(QString::fromUtf8(name))->setEnabled(false);
        const QSignalBlocker noTick(&w->timer1()); // the gap lasts while the test looks
        finishCurrent();
        QVERIFY(w->timer1().isActive());

        click("CmdSeqSTOP");
        WindowHarness::settle();
        QVERIFY(!w->timer1().isActive());
        QCOMPARE(media->mode(), QStringLiteral("stopped"));
        media->setTimeFormat(QStringLiteral("ms"));
        QCOMPARE(media->position(), 0);
        verifyIdleButtons();
        QVERIFY(enabled("CmdPlayAVI"));
        QVERIFY(enabled("CmdRepetAVI"));
        QVERIFY(enabled("CmdPlEcrAVI"));
        QVERIFY(!w->state().SeqPleinEcran);

        QTest::qWait(100);
        QCOMPARE(m_played, QStringList{"B.avi"});
    }

    void cancelOfAListOpenedWithoutASlideshowClosesTheMedia()
    {
        click("CmdSeqAVI");
        click("mnuListFic");
        QVERIFY(w->get<DirList>(QStringLiteral("Répertoire1"))->setPath(m_three));
        clickEntry(0);
        WindowHarness::settle();
        QCOMPARE(m_played, QStringList{"A.avi"});
        QVERIFY(!enabled("CmdSeqAVI")); // disabled while it plays

        click("CmdAnnulSeqAVI");
        WindowHarness::settle();
        QVERIFY(media->fileName().isEmpty());
        QVERIFY(enabled("CmdSeqAVI"));
        QVERIFY(!w->state().ModeNormal);
        QVERIFY(!shown("ButAVI"));
        QVERIFY(!shown("PSeqAVI"));
        QVERIFY(!shown("PSeqAVI2"));
    }

    void okOfAListKeepsTheLastFileStopped()
    {
        click("CmdSeqAVI");
        click("mnuListFic");
        QVERIFY(w->get<DirList>(QStringLiteral("Répertoire1"))->setPath(m_three));
        clickEntry(2);
        WindowHarness::settle();
        for (const char *name : {"CmdPlayAVI", "CmdRepetAVI", "CmdPlEcrAVI"})
            w->button(QString::fromUtf8(name))->setEnabled(false);

        click("CmdOKSeqAVI");
        WindowHarness::settle();
        QCOMPARE(media->fileName(), QDir(m_three).filePath(QStringLiteral("C.avi")));
        QCOMPARE(media->mode(), QStringLiteral("stopped"));
        QCOMPARE(media->zoom(), 100);
        for (const char *name : {"CmdSeqAVI", "CmdPlayAVI", "CmdRepetAVI", "CmdPlEcrAVI"})
            QVERIFY2(enabled(name), name);
        QVERIFY(shown("ButAVI"));
        QVERIFY(w->state().ModeNormal);
        QVERIFY(!w->timer1().isActive());
    }

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
        w->state().SeqPleinEcran = !fullScreen;
        ZarnBttn *seq = w->button(QStringLiteral("CmdSeqAVI"));
        QTest::mousePress(seq, Qt::RightButton, {}, seq->rect().center());
        QWidget *warning = w->control(QStringLiteral("FondAvertissement"));
        QVERIFY(!warning->isHidden());
        QCOMPARE(Twips::rect(warning).topLeft(), QPointF(1800, 660));
        click(answer.toUtf8().constData());
        QVERIFY(warning->isHidden());
        QCOMPARE(w->state().SeqPleinEcran, fullScreen);

        preparePanel("mnuToutRep", m_three, {0});
        click("CmdOKSeqAVI");
        WindowHarness::settle();
        finishCurrent();
        w->slideshow().tick();
        WindowHarness::settle();
        QCOMPARE(m_played, (QStringList{"A.avi", "B.avi"}));
        QCOMPARE(m_fullScreen, (QList<bool>{fullScreen, fullScreen}));
    }

    void backgroundClickStopsOnlyWhenFullScreenIsArmed_data()
    {
        QTest::addColumn<bool>("armed");
        QTest::newRow("armed") << true;
        QTest::newRow("in the window") << false;
    }

    void backgroundClickStopsOnlyWhenFullScreenIsArmed()
    {
        QFETCH(bool, armed);
        w->state().SeqPleinEcran = armed;
        preparePanel("mnuToutRep", m_three, {0});
        click("CmdOKSeqAVI");
        WindowHarness::settle();
        const QSignalBlocker noTick(&w->timer1());
        finishCurrent(); // the end of the file also ends its full-screen play
        QVERIFY(w->timer1().isActive());

        const QPoint free = freeBackgroundPoint();
        QVERIFY(free.x() >= 0);
        QTest::mouseClick(w, Qt::LeftButton, {}, free);
        WindowHarness::settle();

        QVERIFY(!w->state().SeqPleinEcran);
        QCOMPARE(w->timer1().isActive(), !armed);
        QCOMPARE(w->state().ModeNormal, armed);
        QCOMPARE(shown("CmdSeqAVI"), armed);
        QCOMPARE(shown("CmdSeqSTOP"), !armed);
        if (armed) {
            verifyIdleButtons();
            media->setTimeFormat(QStringLiteral("ms"));
            QCOMPARE(media->position(), 0);
        }
        QCOMPARE(m_played, QStringList{"A.avi"});
    }
};

KV_TEST_MAIN(SlideshowTest)
#include "tst_slideshow.moc"
