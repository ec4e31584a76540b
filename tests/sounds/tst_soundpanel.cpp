#include "TestMain.h"
#include "WindowHarness.h"

#include "controls/ZarnBttn.h"
#include "mainwindow/FenPrin.h"
#include "platform/CommonDialog.h"
#include "sounds/SoundPanel.h"

using kvtest::WindowHarness;

class SoundPanelTest : public QObject
{
    Q_OBJECT

private:
    static constexpr qint64 LengthMs = 2000;

    std::unique_ptr<WindowHarness> h;
    FenPrin *w = nullptr;
    MediaWindow *sound = nullptr;
    QString m_a;
    QString m_b;
    QString m_anim;

    FakeEngine *engine() const { return WindowHarness::engineOf(*sound); }
    bool shown(const char *name) const { return !w->control(QString::fromUtf8(name))->isHidden(); }
    bool enabled(const char *name) const
    {
        return w->control(QString::fromUtf8(name))->isEnabled();
    }
    void click(const char *name)
    {
        ZarnBttn *b = w->button(QString::fromUtf8(name));
        QVERIFY2(!b->isHidden(), name);
        QTest::mouseClick(b, Qt::LeftButton, {}, b->rect().center());
    }
    void press(const char *name, Qt::MouseButton button)
    {
        ZarnBttn *b = w->button(QString::fromUtf8(name));
        QTest::mousePress(b, button, {}, b->rect().center());
        QTest::mouseRelease(b, button, {}, b->rect().center());
    }
    void load(const QString &path)
    {
        h->fakes.dialogs->replies.enqueue({true, path});
        click("CmdMid");
        WindowHarness::settle();
    }
    QString sounds(const QString &name) const { return QDir(h->folder.path()).filePath(name); }

private slots:
    void init()
    {
        h = std::make_unique<WindowHarness>();
        m_a = h->addMedia(QStringLiteral("a.wav"), FakeMedia{LengthMs, 0, QSize()});
        m_b = h->addMedia(QStringLiteral("b.mid"), FakeMedia{LengthMs * 2, 0, QSize()});
        m_anim = h->addMedia(QStringLiteral("film.avi"), FakeMedia{5000, 50, QSize(80, 60)});
        w = h->mainWindow();
        sound = &w->mciWnd2();
    }

    void cleanup() { h.reset(); }

    void loadAsksForASoundThroughItsOwnDialog_data()
    {
        QTest::addColumn<bool>("looping");
        QTest::newRow("idle") << false;
        QTest::newRow("while a loop is set") << true;
    }

    void loadAsksForASoundThroughItsOwnDialog()
    {
        QFETCH(bool, looping);
        w->state().BoucleSon = looping;
        w->button(QStringLiteral("CmdMarche"))->setEnabled(false);
        load(m_a);
        const FakeCommonDialog::Shown &asked = h->fakes.dialogs->shown.last();
        QCOMPARE(int(asked.kind), int(FakeCommonDialog::Kind::Open));
        QCOMPARE(asked.state.title, QStringLiteral("Nom du fichier MIDI, RMI ou WAVE"));
        QCOMPARE(asked.state.filter, QStringLiteral("Sons MID, RMI et WAV|*.mid;*.rmi;*.wav"));
        QCOMPARE(asked.state.filterIndex, 1);
        QCOMPARE(asked.state.flags, 4);
        QCOMPARE(w->dialogue2().state().fileName, m_a);
        QVERIFY(w->dialogue1().state().fileName.isEmpty());

        QCOMPARE(sound->fileName(), m_a);
        QCOMPARE(w->state().NomSon, m_a);
        QVERIFY(enabled("CmdMarche"));
        QCOMPARE(enabled("CmdLoop"), !looping);
        QVERIFY(shown("CmdMarche")); // loading plays nothing
        QVERIFY(sound->mode() != QStringLiteral("playing"));
    }

    void cancelReloadsTheLastSoundNotTheLastAnimation()
    {
        load(m_a);
        h->fakes.dialogs->replies.enqueue({true, m_anim});
        click("CmdFiMCI");
        WindowHarness::settle();
        QCOMPARE(w->mciWnd1().fileName(), m_anim);

        sound->setFileName(QString());
        h->fakes.dialogs->replies.enqueue({false, {}});
        click("CmdMid");
        WindowHarness::settle();
        QCOMPARE(sound->fileName(), m_a);
        QCOMPARE(w->mciWnd1().fileName(), m_anim); // the two players stay apart
    }

    void refusedSoundKeepsTheEarlierName()
    {
        load(m_a);
        // A file on disk that the engine cannot play.
        const QString bad = sounds(QStringLiteral("bad.wav"));
        QFile file(bad);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        load(bad);
        QVERIFY(sound->fileName().isEmpty());
        QCOMPARE(w->state().NomSon, m_a);
        QVERIFY(h->fakes.messages->asked.isEmpty());
    }

    void playOnceThenTheEndBringsPlayBack()
    {
        load(m_a);
        click("CmdMarche");
        WindowHarness::settle();
        QCOMPARE(sound->mode(), QStringLiteral("playing"));
        QVERIFY(!shown("CmdMarche"));
        QVERIFY(shown("CmdARR"));
        engine()->advance(LengthMs + 100);
        WindowHarness::settle();
        QCOMPARE(sound->mode(), QStringLiteral("stopped"));
        QVERIFY(shown("CmdMarche"));
        QVERIFY(!shown("CmdARR"));
        QVERIFY(!w->timer2().isActive());
        QTest::qWait(50);
        QCOMPARE(sound->mode(), QStringLiteral("stopped"));
    }

    void loopRestartsThroughTimer2()
    {
        load(m_a);
        click("CmdLoop");
        WindowHarness::settle();
        QVERIFY(w->state().BoucleSon);
        QVERIFY(!enabled("CmdLoop"));
        QVERIFY(!shown("CmdMarche"));
        QVERIFY(shown("CmdARR"));
        QCOMPARE(sound->mode(), QStringLiteral("playing"));
        QVERIFY(!w->timer2().isActive());

        for (int round = 0; round < 3; ++round) {
            engine()->advance(LengthMs + 100);
            QCOMPARE(engine()->state(), MediaEngine::State::Stopped);
            WindowHarness::settle();
            QVERIFY(w->timer2().isActive());
            // The tick sends "play from 0"; the "playing" report turns the timer off.
            QTRY_COMPARE(sound->mode(), QStringLiteral("playing"));
            WindowHarness::settle();
            QVERIFY(!w->timer2().isActive());
            sound->setTimeFormat(QStringLiteral("ms"));
            QVERIFY(sound->position() < LengthMs / 2);
            QVERIFY(shown("CmdARR"));
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
        click("CmdLoop");
        WindowHarness::settle();
        const QSignalBlocker noRestart(&w->timer2()); // holds the gap open while the test acts
        engine()->advance(inTheGap ? LengthMs + 100 : LengthMs / 2);
        WindowHarness::settle();
        QCOMPARE(w->timer2().isActive(), inTheGap);

        click("CmdARR");
        WindowHarness::settle();
        QVERIFY(!w->timer2().isActive());
        QCOMPARE(sound->mode(), QStringLiteral("stopped"));
        QVERIFY(shown("CmdMarche"));
        QVERIFY(!shown("CmdARR"));
        QVERIFY(enabled("CmdLoop"));
        QVERIFY(!w->state().BoucleSon);
        QTest::qWait(50);
        QCOMPARE(sound->mode(), QStringLiteral("stopped"));
    }

    void newSoundLoadedDuringALoopIsTheOneRestarted()
    {
        load(m_a);
        click("CmdLoop");
        WindowHarness::settle();
        load(m_b);
        QCOMPARE(sound->fileName(), m_b);
        QTRY_COMPARE(sound->mode(), QStringLiteral("playing"));
        QCOMPARE(sound->fileName(), m_b);
        QVERIFY(shown("CmdARR"));
        QVERIFY(!enabled("CmdLoop"));
    }

    void durationTextFollowsTheDesign_data()
    {
        QTest::addColumn<qint32>("lengthMs");
        QTest::addColumn<QString>("lastLine");
        QTest::newRow("59 999 ms") << 59999 << "Le son dure 0mn.59sec.999ms.";
        QTest::newRow("60 000 ms") << 60000 << "Le son dure 1mn.0sec.0ms.";
        QTest::newRow("83 456 ms") << 83456 << "Le son dure 1mn.23sec.456ms.";
        QTest::newRow("an hour and more") << 3723004 << "Le son dure 62mn.3sec.4ms.";
    }

    void durationTextFollowsTheDesign()
    {
        QFETCH(qint32, lengthMs);
        QFETCH(QString, lastLine);
        const QString name = QStringLiteral("C:\\SONS\\A.MID");
        QCOMPARE(SoundPanel::durationText(name, lengthMs), name + "\n\n" + lastLine);
    }

    void rightPressShowsNameAndDuration_data()
    {
        QTest::addColumn<qint64>("lengthMs");
        QTest::addColumn<int>("messages");
        QTest::newRow("83 456 ms") << qint64(83456) << 1;
        QTest::newRow("silent, 0 ms") << qint64(0) << 0;
    }

    void rightPressShowsNameAndDuration()
    {
        QFETCH(qint64, lengthMs);
        QFETCH(int, messages);
        const QString path = h->addMedia(QStringLiteral("timed.wav"), FakeMedia{lengthMs, 0, {}});
        load(path);
        QCOMPARE(sound->fileName(), path);
        sound->setTimeFormat(QStringLiteral("frames"));

        press("CmdMid", Qt::RightButton);
        QCOMPARE(h->fakes.messages->asked.size(), messages);
        QCOMPARE(sound->timeFormat(), QStringLiteral("ms"));
        if (messages == 0)
            return;
        const MessageRequest &shownMessage = h->fakes.messages->asked.first();
        QCOMPARE(shownMessage.title, QStringLiteral("Durée du son"));
        QCOMPARE(int(shownMessage.icon), int(MessageIcon::Information));
        QCOMPARE(int(shownMessage.buttons), int(MessageButtons::Ok));
        QCOMPARE(shownMessage.text, path + QStringLiteral("\n\nLe son dure 1mn.23sec.456ms."));
        QCOMPARE(h->fakes.dialogs->shown.size(), 1); // the right press opens no dialog
    }

    void pressesThatShowNothing_data()
    {
        QTest::addColumn<bool>("soundLoaded");
        QTest::addColumn<int>("button");
        QTest::newRow("right press, no sound") << false << int(Qt::RightButton);
        QTest::newRow("middle press, a sound") << true << int(Qt::MiddleButton);
    }

    void pressesThatShowNothing()
    {
        QFETCH(bool, soundLoaded);
        QFETCH(int, button);
        if (soundLoaded)
            load(m_a);
        const qsizetype dialogsBefore = h->fakes.dialogs->shown.size();
        press("CmdMid", Qt::MouseButton(button));
        QVERIFY(h->fakes.messages->asked.isEmpty());
        QCOMPARE(h->fakes.dialogs->shown.size(), dialogsBefore);
    }

    void musicAndSoundsShowsBothHalvesUntilSortie()
    {
        QVERIFY(!shown("FondSons"));
        QVERIFY(!shown("FondSons2"));
        for (int time = 0; time < 2; ++time) {
            click("CmdSonMCI");
            QVERIFY(shown("mnuWinMCI"));
            click("mnuMusicSons");
            QVERIFY(!shown("mnuWinMCI"));
            QVERIFY(shown("FondSons"));
            QVERIFY(shown("FondSons2"));
        }
        click("CmdSortie");
        QVERIFY(!shown("FondSons"));
        QVERIFY(!shown("FondSons2"));
    }
};

KV_TEST_MAIN(SoundPanelTest)
#include "tst_soundpanel.moc"
