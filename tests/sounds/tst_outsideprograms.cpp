#include "TestMain.h"
#include "WindowHarness.h"

#include "controls/ZarnBttn.h"
#include "core/Twips.h"
#include "mainwindow/FenPrin.h"
#include "platform/CommonDialog.h"
#include "sounds/SoundPanel.h"

using kvtest::WindowHarness;

namespace {

const QString AviTitle = QStringLiteral("Nom du fichier AVI (MPEG, MOV)");
const QString AviFilter
    = QStringLiteral("Animations AVI (MPG, MOV)|*.avi;*.mpg;*.mov|Tous les fichiers (*.*)|*.*");
const QString SoundTitle = QStringLiteral("Nom du fichier MIDI ou WAVE");
const QString SoundFilter
    = QStringLiteral("Sons MID, RMI et WAV|*.mid;*.rmi;*.wav|Tous les fichiers (*.*)|*.*");
const QString GalerixText
    = QStringLiteral("Le fichier Galerix.pif est absent ou ses paramètres sont incorrects");

} // namespace

class OutsideProgramsTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<WindowHarness> h;
    FenPrin *w = nullptr;

    FakeLauncher &launcher() const { return *h->fakes.launcher; }
    bool shown(const char *name) const { return !w->control(QString::fromUtf8(name))->isHidden(); }
    bool enabled(const char *name) const
    {
        return w->control(QString::fromUtf8(name))->isEnabled();
    }
    void click(const QString &name)
    {
        ZarnBttn *b = w->button(name);
        QVERIFY2(b && !b->isHidden() && b->isVisible(), qPrintable(name));
        QTest::mouseClick(b, Qt::LeftButton, {}, b->rect().center());
    }
    void rightPress(const QString &name)
    {
        ZarnBttn *b = w->button(name);
        QTest::mousePress(b, Qt::RightButton, {}, b->rect().center());
        QTest::mouseRelease(b, Qt::RightButton, {}, b->rect().center());
    }
    void openWindow(const QString &programFolder)
    {
        h->fakes.platform.programFolder = programFolder;
        w = new FenPrin(h->context);
        w->load();
    }

private slots:
    void init()
    {
        h = std::make_unique<WindowHarness>();
        h->tipsAtStart(false);
    }

    void cleanup() { h.reset(); }

    void fixedProgramsStartTheirCommandLines_data()
    {
        QTest::addColumn<QString>("programFolder");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("commandLine");
        const QString kv = QStringLiteral("/opt/kv");
        QTest::newRow("CD") << kv << "CmdCD"
                            << "/opt/kv/sb16/ctcd.exe";
        QTest::newRow("CD, program at the root") << "/"
                                                 << "CmdCD"
                                                 << "/sb16/ctcd.exe";
        QTest::newRow("StudioWave") << kv << "CmdSTWave"
                                    << "/opt/kv/sb16/ctwave.exe";
        QTest::newRow("mixer") << kv << "CmdMix"
                               << "/opt/kv/sb16/ctmixer.exe";
        QTest::newRow("remote") << kv << "CmdTelecom"
                                << "/opt/kv/sb16/remote.exe";
        QTest::newRow("wave deck") << kv << "CmdWave"
                                   << "/opt/kv/sb16/ctwav.exe";
        QTest::newRow("midi deck") << kv << "CmdMidi"
                                   << "/opt/kv/sb16/ctmidi.exe";
        QTest::newRow("sound recorder") << kv << "CmdSoundrec"
                                        << "sndrec32.exe";
        QTest::newRow("MP3") << kv << "CmdMP3"
                             << "C:\\Program Files\\Windows Media Player\\mplayer2.exe";
        QTest::newRow("media player, trailing blank") << kv << "CmdMPlayer"
                                                      << "mplayer.exe ";
    }

    void fixedProgramsStartTheirCommandLines()
    {
        QFETCH(QString, programFolder);
        QFETCH(QString, button);
        QFETCH(QString, commandLine);
        openWindow(programFolder);
        w->soundPanel().showPanel();
        click(button);
        QCOMPARE(launcher().started, QStringList{commandLine});
        QVERIFY(h->fakes.messages->asked.isEmpty());
    }

    void soundRecorderClickAndRightPress_data()
    {
        QTest::addColumn<bool>("right");
        QTest::addColumn<QString>("commandLine");
        QTest::newRow("click: recorder") << false << "sndrec32.exe";
        QTest::newRow("right press: volume control") << true << "sndvol32.exe ";
    }

    void soundRecorderClickAndRightPress()
    {
        QFETCH(bool, right);
        QFETCH(QString, commandLine);
        openWindow(QStringLiteral("/opt/kv"));
        w->soundPanel().showPanel();
        if (right)
            rightPress(QStringLiteral("CmdSoundrec"));
        else
            click(QStringLiteral("CmdSoundrec"));
        QCOMPARE(launcher().started, QStringList{commandLine});
    }

    void missingProgramsFailSilently()
    {
        openWindow(QStringLiteral("/opt/kv"));
        launcher().statusByProgram.insert(QStringLiteral("sndrec32.exe"),
                                          LaunchStatus::FileNotFound);
        launcher().statusByProgram.insert(QStringLiteral("/opt/kv/sb16/ctcd.exe"),
                                          LaunchStatus::Failed);
        w->soundPanel().showPanel();
        click(QStringLiteral("CmdSoundrec"));
        click(QStringLiteral("CmdCD"));
        QCOMPARE(launcher().started.size(), 2);
        QVERIFY(h->fakes.messages->asked.isEmpty());
        QVERIFY(shown("FondSons"));
    }

    void playerEntriesOfferTheDialogOfTheOpeningButton_data()
    {
        QTest::addColumn<QString>("opener");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("prefix");
        QTest::newRow("animations, Lecteur Windows Media")
            << "CmdMPAvi"
            << "mnuMPlayer" << AviTitle << AviFilter
            << "C:\\Program Files\\Windows Media Player\\mplayer2.exe /play ";
        QTest::newRow("animations, ActiveMovie")
            << "CmdMPAvi"
            << "mnuActiveMovie" << AviTitle << AviFilter
            << "C:\\WINDOWS\\RUNDLL32.EXE C:\\WINDOWS\\SYSTEM\\amovie.ocx,RunDll /play ";
        QTest::newRow("sounds, Windows Media Player")
            << "CmdSonMCI"
            << "mnuWMPlayer" << SoundTitle << SoundFilter
            << "C:\\Program Files\\Windows Media Player\\wmplayer.exe /play ";
    }

    void playerEntriesOfferTheDialogOfTheOpeningButton()
    {
        QFETCH(QString, opener);
        QFETCH(QString, entry);
        QFETCH(QString, title);
        QFETCH(QString, filter);
        QFETCH(QString, prefix);
        openWindow(QStringLiteral("/opt/kv"));
        click(opener);
        QVERIFY(shown("mnuWinMCI"));
        QCOMPARE(Twips::rect(w->control(QStringLiteral("mnuWinMCI"))).topLeft(),
                 QPointF(1800, 1260));
        QCOMPARE(enabled("mnuMusicSons"), opener == QStringLiteral("CmdSonMCI"));

        const QString file = QStringLiteral("/media/a file.avi");
        h->fakes.dialogs->replies.enqueue({true, file});
        click(entry);
        QVERIFY(!shown("mnuWinMCI"));
        const FakeCommonDialog::Shown &asked = h->fakes.dialogs->shown.last();
        QCOMPARE(asked.state.title, title);
        QCOMPARE(asked.state.filter, filter);
        QCOMPARE(asked.state.filterIndex, 4);
        QCOMPARE(asked.state.flags, 4);
        QCOMPARE(launcher().started, QStringList{prefix + file}); // unquoted
        // The text names the program; the chosen name is its last argument, whole.
        QCOMPARE(launcher().commands.last().arguments.last(), file);
        QVERIFY(prefix.startsWith(launcher().commands.last().program + ' '));

        // Cancelled next time: the player gets the dialog's previous name again.
        click(opener);
        h->fakes.dialogs->replies.enqueue({false, {}});
        click(entry);
        QCOMPARE(launcher().started, (QStringList{prefix + file, prefix + file}));
    }

    void cancelledFirstChoiceStartsThePlayerWithNoFile()
    {
        openWindow(QStringLiteral("/opt/kv"));
        click(QStringLiteral("CmdSonMCI"));
        click(QStringLiteral("mnuWMPlayer"));
        QCOMPARE(launcher().started,
                 QStringList{"C:\\Program Files\\Windows Media Player\\wmplayer.exe /play "});
    }

    void menuButtonsToggleAndTheLastClickSetsTheMode()
    {
        openWindow(QStringLiteral("/opt/kv"));
        click(QStringLiteral("CmdSonMCI"));
        QVERIFY(shown("mnuWinMCI"));
        QVERIFY(!w->state().MenuAnimations);
        QVERIFY(enabled("mnuMusicSons"));

        click(QStringLiteral("CmdMPAvi"));
        QVERIFY(!shown("mnuWinMCI"));
        QVERIFY(w->state().MenuAnimations);
        QVERIFY(!enabled("mnuMusicSons"));

        click(QStringLiteral("CmdSonMCI"));
        QVERIFY(shown("mnuWinMCI"));
        QVERIFY(!w->state().MenuAnimations);
        QVERIFY(enabled("mnuMusicSons"));

        click(QStringLiteral("mnuAnnul2"));
        QVERIFY(!shown("mnuWinMCI"));
        QVERIFY(launcher().started.isEmpty());
    }

    void lecteurMultimediaEntryStartsWithoutAFile()
    {
        openWindow(QStringLiteral("/opt/kv"));
        click(QStringLiteral("CmdMPAvi"));
        click(QStringLiteral("mnuLectMulti"));
        QVERIFY(!shown("mnuWinMCI"));
        QVERIFY(h->fakes.dialogs->shown.isEmpty());
        QCOMPARE(launcher().started, QStringList{"mplayer.exe "});
    }

    void galerixFailureIsToldOnce_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<int>("messages");
        QTest::newRow("present") << int(LaunchStatus::Started) << 0;
        QTest::newRow("absent") << int(LaunchStatus::FileNotFound) << 1;
        QTest::newRow("refused") << int(LaunchStatus::Failed) << 1;
    }

    void galerixFailureIsToldOnce()
    {
        QFETCH(int, status);
        QFETCH(int, messages);
        openWindow(QStringLiteral("/opt/kv"));
        launcher().statusByProgram.insert(QStringLiteral("/opt/kv/galerix.pif"),
                                          LaunchStatus(status));
        click(QStringLiteral("CmdApropos"));
        QVERIFY(shown("PopUpInfos"));
        click(QStringLiteral("CmdImages"));
        QVERIFY(!shown("PopUpInfos"));
        QCOMPARE(launcher().started, QStringList{"/opt/kv/galerix.pif"});
        QCOMPARE(h->fakes.messages->asked.size(), messages);
        if (messages == 0)
            return;
        const MessageRequest &told = h->fakes.messages->asked.first();
        QCOMPARE(told.title, QStringLiteral("Galerix"));
        QCOMPARE(told.text, GalerixText);
        QCOMPARE(int(told.icon), int(MessageIcon::Exclamation));
        QCOMPARE(int(told.buttons), int(MessageButtons::Ok));
    }
};

KV_TEST_MAIN(OutsideProgramsTest)
#include "tst_outsideprograms.moc"
