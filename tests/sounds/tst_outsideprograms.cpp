#include "TestMain.h"
#include "WindowHarness.h"

#include "core/Twips.h"
#include "sounds/SoundPanel.h"

using kvtest::WindowHarness;

// The programs of the sound card and the players that the main window starts: the command
// line each button gives the launcher, and what the user is told when one cannot start.
class OutsideProgramsTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<WindowHarness> h;

    FakeLauncher &launcher() const { return *h->fakes.launcher; }
    void openWindow(const QString &programFolder = QStringLiteral("/opt/kv"))
    {
        h->fakes.platform.programFolder = programFolder;
        h->mainWindow();
    }

private slots:
    void init() { h = std::make_unique<WindowHarness>(); }
    void cleanup() { h.reset(); }

    // A failure to start is silent for all of them.
    void soundPanelButtonsStartTheirCommandLines_data()
    {
        QTest::addColumn<QString>("programFolder");
        QTest::addColumn<QString>("button"); // "/right": a right press
        QTest::addColumn<QString>("commandLine");
        QTest::addColumn<int>("status");
        const QString kv = "/opt/kv";
        const int started = int(LaunchStatus::Started);
        QTest::newRow("CD") << kv << "CmdCD"
                            << "/opt/kv/sb16/ctcd.exe" << started;
        QTest::newRow("CD, program at the root") << "/"
                                                 << "CmdCD"
                                                 << "/sb16/ctcd.exe" << started;
        QTest::newRow("CD that fails") << kv << "CmdCD"
                                       << "/opt/kv/sb16/ctcd.exe" << int(LaunchStatus::Failed);
        QTest::newRow("StudioWave") << kv << "CmdSTWave"
                                    << "/opt/kv/sb16/ctwave.exe" << started;
        QTest::newRow("mixer") << kv << "CmdMix"
                               << "/opt/kv/sb16/ctmixer.exe" << started;
        QTest::newRow("remote") << kv << "CmdTelecom"
                                << "/opt/kv/sb16/remote.exe" << started;
        QTest::newRow("wave deck") << kv << "CmdWave"
                                   << "/opt/kv/sb16/ctwav.exe" << started;
        QTest::newRow("midi deck") << kv << "CmdMidi"
                                   << "/opt/kv/sb16/ctmidi.exe" << started;
        QTest::newRow("sound recorder") << kv << "CmdSoundrec"
                                        << "sndrec32.exe" << started;
        QTest::newRow("sound recorder absent") << kv << "CmdSoundrec"
                                               << "sndrec32.exe" << int(LaunchStatus::FileNotFound);
        QTest::newRow("volume control") << kv << "CmdSoundrec/right"
                                        << "sndvol32.exe " << started;
        QTest::newRow("MP3") << kv << "CmdMP3"
                             << "C:\\Program Files\\Windows Media Player\\mplayer2.exe" << started;
        QTest::newRow("media player, trailing blank") << kv << "CmdMPlayer"
                                                      << "mplayer.exe " << started;
    }
    void soundPanelButtonsStartTheirCommandLines()
    {
        QFETCH(QString, programFolder);
        QFETCH(QString, button);
        QFETCH(QString, commandLine);
        QFETCH(int, status);
        openWindow(programFolder);
        launcher().statusByProgram.insert(commandLine.trimmed(), LaunchStatus(status));
        h->main->soundPanel().showPanel();
        if (button.endsWith("/right"))
            h->press(button.chopped(6), Qt::RightButton);
        else
            h->click(button);
        QCOMPARE(launcher().started, QStringList{commandLine});
        QVERIFY(h->fakes.messages->asked.isEmpty());
        QVERIFY(h->shown("FondSons"));
    }

    // The players menu asks for a file with the dialog of the button that opened it, and
    // gives the player its name unquoted; a cancel gives the dialog's previous name again.
    void playerEntriesOfferTheDialogOfTheOpeningButton_data()
    {
        QTest::addColumn<QString>("opener");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("prefix");
        const QString aviTitle = "Nom du fichier AVI (MPEG, MOV)";
        const QString aviFilter
            = "Animations AVI (MPG, MOV)|*.avi;*.mpg;*.mov|Tous les fichiers (*.*)|*.*";
        QTest::newRow("animations, Lecteur Windows Media")
            << "CmdMPAvi"
            << "mnuMPlayer" << aviTitle << aviFilter
            << "C:\\Program Files\\Windows Media Player\\mplayer2.exe /play ";
        QTest::newRow("animations, ActiveMovie")
            << "CmdMPAvi"
            << "mnuActiveMovie" << aviTitle << aviFilter
            << "C:\\WINDOWS\\RUNDLL32.EXE C:\\WINDOWS\\SYSTEM\\amovie.ocx,RunDll /play ";
        QTest::newRow("sounds, Windows Media Player")
            << "CmdSonMCI"
            << "mnuWMPlayer"
            << "Nom du fichier MIDI ou WAVE"
            << "Sons MID, RMI et WAV|*.mid;*.rmi;*.wav|Tous les fichiers (*.*)|*.*"
            << "C:\\Program Files\\Windows Media Player\\wmplayer.exe /play ";
    }
    void playerEntriesOfferTheDialogOfTheOpeningButton()
    {
        QFETCH(QString, opener);
        QFETCH(QString, entry);
        QFETCH(QString, title);
        QFETCH(QString, filter);
        QFETCH(QString, prefix);
        openWindow();
        h->click(opener);
        QCOMPARE(Twips::rect(h->main->control("mnuWinMCI")).topLeft(), QPointF(1800, 1260));
        QCOMPARE(h->looks({"mnuWinMCI", "mnuMusicSons"}),
                 opener == "CmdSonMCI" ? "mnuWinMCI mnuMusicSons" : "mnuWinMCI mnuMusicSons-");
        const QString file = QStringLiteral("/media/a file.avi");
        h->answer(file);
        h->click(entry);
        QVERIFY(!h->shown("mnuWinMCI"));
        const FakeCommonDialog::Shown &asked = h->fakes.dialogs->shown.last();
        QCOMPARE(asked.state.title, title);
        QCOMPARE(asked.state.filter, filter);
        QCOMPARE(asked.state.filterIndex, 4);
        QCOMPARE(asked.state.flags, 4);
        // The text names the program; the chosen name is its last argument, whole.
        QCOMPARE(launcher().commands.last().arguments.last(), file);
        QVERIFY(prefix.startsWith(launcher().commands.last().program + ' '));
        h->click(opener);
        h->answer(QString());
        h->click(entry);
        QCOMPARE(launcher().started, (QStringList{prefix + file, prefix + file}));
    }

    void cancelledFirstChoiceStartsThePlayerWithNoFile()
    {
        openWindow();
        h->click("CmdSonMCI");
        h->click("mnuWMPlayer");
        QCOMPARE(launcher().started,
                 QStringList{"C:\\Program Files\\Windows Media Player\\wmplayer.exe /play "});
    }

    // Each menu button toggles the menu; the last one clicked decides what it offers.
    void menuButtonsToggleTheMenu()
    {
        openWindow();
        const QStringList names{"mnuWinMCI", "mnuMusicSons"};
        h->click("CmdSonMCI");
        QCOMPARE(h->looks(names), "mnuWinMCI mnuMusicSons");
        h->click("CmdMPAvi");
        QCOMPARE(h->looks(names), "(mnuWinMCI) mnuMusicSons-");
        h->click("CmdSonMCI");
        QCOMPARE(h->looks(names), "mnuWinMCI mnuMusicSons");
        h->click("mnuAnnul2");
        QVERIFY(!h->shown("mnuWinMCI"));
        h->click("CmdMPAvi");
        h->click("mnuLectMulti");
        QVERIFY(!h->shown("mnuWinMCI"));
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
        openWindow();
        launcher().statusByProgram.insert("/opt/kv/galerix.pif", LaunchStatus(status));
        h->click("CmdApropos");
        QVERIFY(h->shown("PopUpInfos"));
        h->click("CmdImages");
        QVERIFY(!h->shown("PopUpInfos"));
        QCOMPARE(launcher().started, QStringList{"/opt/kv/galerix.pif"});
        QCOMPARE(h->fakes.messages->asked.size(), messages);
        if (messages == 0)
            return;
        const MessageRequest &told = h->fakes.messages->asked.first();
        QCOMPARE(told.title, QStringLiteral("Galerix"));
        QCOMPARE(
            told.text,
            QStringLiteral("Le fichier Galerix.pif est absent ou ses paramètres sont incorrects"));
        QCOMPARE(int(told.icon), int(MessageIcon::Exclamation));
        QCOMPARE(int(told.buttons), int(MessageButtons::Ok));
    }
};

KV_TEST_MAIN(OutsideProgramsTest)
#include "tst_outsideprograms.moc"
