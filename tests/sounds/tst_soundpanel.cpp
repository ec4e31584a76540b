#include "TestMain.h"
#include "WindowHarness.h"

#include "platform/CommonDialog.h"
#include "sounds/SoundPanel.h"

using kvtest::WindowHarness;

// The sound player of the main window: its own dialog, play once or in a loop through
// Timer2, and the name and duration on a right press.
class SoundPanelTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<WindowHarness> h;
    QString m_a; // 2 s
    QString m_b; // 4 s

    MediaWindow &sound() const { return h->main->mciWnd2(); }
    void load(const QString &path)
    {
        h->answer(path);
        h->click("CmdMid");
    }
    // Where the sound stands and what its buttons show.
    QString state() const
    {
        return QStringLiteral("%1 %2 / %3")
            .arg(QFileInfo(sound().fileName()).fileName(), sound().modeName(),
                 h->looks({"CmdMarche", "CmdARR", "CmdLoop"}));
    }
    void advance(qint64 ms)
    {
        WindowHarness::engineOf(sound())->advance(ms);
        WindowHarness::settle();
    }

private slots:
    void init()
    {
        h = std::make_unique<WindowHarness>();
        m_a = h->addMedia(QStringLiteral("a.wav"), FakeMedia{2000, 0, QSize()});
        m_b = h->addMedia(QStringLiteral("b.mid"), FakeMedia{4000, 0, QSize()});
        h->mainWindow();
        h->click("CmdSonMCI");
        h->click("mnuMusicSons");
    }
    void cleanup() { h.reset(); }

    // Loading plays nothing; the loop button stays as a loop in progress left it.
    void loadAsksForASoundThroughItsOwnDialog_data()
    {
        QTest::addColumn<bool>("looping");
        QTest::addColumn<QString>("state");
        QTest::newRow("idle") << false << "a.wav stopped / CmdMarche (CmdARR) CmdLoop";
        QTest::newRow("while a loop plays")
            << true << "a.wav stopped / (CmdMarche) CmdARR CmdLoop-";
    }
    void loadAsksForASoundThroughItsOwnDialog()
    {
        QFETCH(bool, looping);
        QFETCH(QString, state);
        if (looping) {
            load(m_b);
            h->click("CmdLoop");
        }
        load(m_a);
        const FakeCommonDialog::Shown &asked = h->fakes.dialogs->shown.last();
        QCOMPARE(int(asked.kind), int(FakeCommonDialog::Kind::Open));
        QCOMPARE(asked.state.title, QStringLiteral("Nom du fichier MIDI, RMI ou WAVE"));
        QCOMPARE(asked.state.filter, QStringLiteral("Sons MID, RMI et WAV|*.mid;*.rmi;*.wav"));
        QCOMPARE(asked.state.filterIndex, 1);
        QCOMPARE(asked.state.flags, 4);
        QCOMPARE(this->state(), state);
    }

    // A cancelled dialog reloads the last sound, not the animation of the other dialog; a
    // file the engine refuses is closed without a word.
    void cancelReloadsTheLastSound()
    {
        load(m_a);
        const QString anim = h->addMedia(QStringLiteral("film.avi"), FakeMedia{5000, 50, {80, 60}});
        h->answer(anim);
        h->click("CmdFiMCI");
        load(QString());
        QCOMPARE(sound().fileName(), m_a);
        QFile bad(QDir(h->folder.path()).filePath(QStringLiteral("bad.wav")));
        QVERIFY(bad.open(QIODevice::WriteOnly));
        load(bad.fileName());
        QCOMPARE(sound().fileName(), QString());
        QVERIFY(h->fakes.messages->asked.isEmpty());
        QCOMPARE(h->animation().fileName(), anim);
    }

    void playOnceThenTheEndBringsPlayBack()
    {
        load(m_a);
        h->click("CmdMarche");
        QCOMPARE(state(), "a.wav playing / (CmdMarche) CmdARR CmdLoop");
        advance(2100);
        QCOMPARE(state(), "a.wav stopped / CmdMarche (CmdARR) CmdLoop");
        QVERIFY(!h->main->timer2().isActive());
        QTest::qWait(50);
        QCOMPARE(sound().mode(), MediaWindow::Mode::Stopped);
    }

    // At each end Timer2 sends "play from 0"; the "playing" report turns it off.
    void loopRestartsThroughTimer2()
    {
        load(m_a);
        h->click("CmdLoop");
        for (int round = 0; round < 3; ++round) {
            QCOMPARE(state(), "a.wav playing / (CmdMarche) CmdARR CmdLoop-");
            QVERIFY(!h->main->timer2().isActive());
            advance(2100);
            QVERIFY(h->main->timer2().isActive());
            QTRY_COMPARE(sound().mode(), MediaWindow::Mode::Playing);
            WindowHarness::settle();
            sound().setTimeFormat(QStringLiteral("ms"));
            QVERIFY(sound().position() < 1000);
        }
    }

    void stopWhileLoopingGivesNoRestart_data()
    {
        QTest::addColumn<bool>("inTheGap");
        QTest::newRow("while the sound plays") << false;
        QTest::newRow("between the end and the restart") << true;
    }
    void stopWhileLoopingGivesNoRestart()
    {
        QFETCH(bool, inTheGap);
        load(m_a);
        h->click("CmdLoop");
        const QSignalBlocker noRestart(&h->main->timer2()); // holds the gap open
        advance(inTheGap ? 2100 : 1000);
        QCOMPARE(h->main->timer2().isActive(), inTheGap);
        h->click("CmdARR");
        QVERIFY(!h->main->timer2().isActive());
        QCOMPARE(state(), "a.wav stopped / CmdMarche (CmdARR) CmdLoop");
        QTest::qWait(50);
        QCOMPARE(sound().mode(), MediaWindow::Mode::Stopped);
    }

    void newSoundLoadedDuringALoopIsTheOneRestarted()
    {
        load(m_a);
        h->click("CmdLoop");
        load(m_b);
        QTRY_COMPARE(state(), "b.mid playing / (CmdMarche) CmdARR CmdLoop-");
    }

    void durationText_data()
    {
        QTest::addColumn<qint32>("lengthMs");
        QTest::addColumn<QString>("lastLine");
        QTest::newRow("59 999 ms") << 59999 << "Le son dure 0mn.59sec.999ms.";
        QTest::newRow("60 000 ms") << 60000 << "Le son dure 1mn.0sec.0ms.";
        QTest::newRow("83 456 ms") << 83456 << "Le son dure 1mn.23sec.456ms.";
        QTest::newRow("an hour and more") << 3723004 << "Le son dure 62mn.3sec.4ms.";
    }
    void durationText()
    {
        QFETCH(qint32, lengthMs);
        QFETCH(QString, lastLine);
        QCOMPARE(SoundPanel::durationText("C:\\SONS\\A.MID", lengthMs),
                 "C:\\SONS\\A.MID\n\n" + lastLine);
    }

    // A right press tells the name and duration of a sound that lasts; nothing else does.
    void pressesOnTheLoadButton_data()
    {
        QTest::addColumn<qint64>("lengthMs"); // -1: no sound loaded
        QTest::addColumn<int>("button");
        QTest::addColumn<int>("messages");
        QTest::newRow("right press") << qint64(83456) << int(Qt::RightButton) << 1;
        QTest::newRow("right press, silent") << qint64(0) << int(Qt::RightButton) << 0;
        QTest::newRow("right press, no sound") << qint64(-1) << int(Qt::RightButton) << 0;
        QTest::newRow("middle press") << qint64(83456) << int(Qt::MiddleButton) << 0;
    }
    void pressesOnTheLoadButton()
    {
        QFETCH(qint64, lengthMs);
        QFETCH(int, button);
        QFETCH(int, messages);
        const QString path = h->addMedia(QStringLiteral("timed.wav"), FakeMedia{lengthMs, 0, {}});
        if (lengthMs >= 0)
            load(path);
        sound().setTimeFormat(QStringLiteral("frames"));
        const qsizetype dialogs = h->fakes.dialogs->shown.size();
        h->press("CmdMid", Qt::MouseButton(button));
        QCOMPARE(h->fakes.messages->asked.size(), messages);
        QCOMPARE(h->fakes.dialogs->shown.size(), dialogs);
        if (messages == 0)
            return;
        QCOMPARE(sound().timeFormat(), QStringLiteral("ms"));
        const MessageRequest &shown = h->fakes.messages->asked.first();
        QCOMPARE(shown.title, QStringLiteral("Durée du son"));
        QCOMPARE(int(shown.icon), int(MessageIcon::Information));
        QCOMPARE(int(shown.buttons), int(MessageButtons::Ok));
        QCOMPARE(shown.text, path + "\n\nLe son dure 1mn.23sec.456ms.");
    }

    void musicAndSoundsShowsBothHalvesUntilSortie()
    {
        QCOMPARE(h->looks({"mnuWinMCI", "FondSons", "FondSons2"}),
                 "(mnuWinMCI) FondSons FondSons2");
        h->click("CmdSonMCI");
        h->click("mnuMusicSons");
        QCOMPARE(h->looks({"mnuWinMCI", "FondSons", "FondSons2"}),
                 "(mnuWinMCI) FondSons FondSons2");
        h->click("CmdSortie");
        QCOMPARE(h->looks({"FondSons", "FondSons2"}), "(FondSons) (FondSons2)");
    }
};

KV_TEST_MAIN(SoundPanelTest)
#include "tst_soundpanel.moc"
