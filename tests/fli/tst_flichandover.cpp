#include "TestMain.h"
#include "WindowHarness.h"

#include "controls/ZarnBttn.h"
#include "controls/files/DirList.h"
#include "controls/files/FileList.h"
#include "core/Twips.h"
#include "fli/FlicCommands.h"
#include "fli/FlicHandover.h"
#include "mainwindow/FenPrin.h"
#include "platform/CommonDialog.h"

#include <QTimer>

using kvtest::WindowHarness;

class FlicHandoverTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<WindowHarness> h;
    FileList *files = nullptr;
    QString m_flics; // A.FLC, b.fli, C.flc, d.FLI

    FakeLauncher &launcher() const { return *h->fakes.launcher; }
    void openSequencePanel(const char *entry, const QList<int> &rows)
    {
        h->click("CmdFLI1");
        h->click(entry);
        QVERIFY(h->main->get<DirList>(QStringLiteral("Répertoire1"))->setPath(m_flics));
        QCOMPARE(files->listCount(), 4);
        for (int i = 0; i < rows.size(); ++i)
            h->clickEntry(rows.at(i), i == 0 ? Qt::NoModifier : Qt::ControlModifier);
    }
    QString playerLine(const QString &name) const
    {
        return "/opt/kinovue/Play.exe " + QDir(m_flics).filePath(name) + " -L65535";
    }

private slots:
    void init()
    {
        h = std::make_unique<WindowHarness>();
        QDir(h->folder.path()).mkdir(QStringLiteral("flics"));
        m_flics = QDir(h->folder.path()).filePath(QStringLiteral("flics"));
        for (const char *name : {"A.FLC", "b.fli", "C.flc", "d.FLI", "film.avi"}) {
            QFile file(QDir(m_flics).filePath(QString::fromUtf8(name)));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        h->mainWindow();
        files = h->main->get<FileList>(QStringLiteral("Fichier1"));
    }

    void cleanup() { h.reset(); }

    void playerCommandLine_data()
    {
        QTest::addColumn<QString>("programFolder");
        QTest::addColumn<QChar>("separator");
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("expected");
        const QChar back('\\');
        QTest::newRow("Windows, once") << "C:\\KV" << back << "C:\\A.FLC" << FlicCommands::Once
                                       << "C:\\KV\\Play.exe C:\\A.FLC -L1";
        QTest::newRow("Windows, endless")
            << "C:\\KV" << back << "C:\\ANIM\\A.FLC" << FlicCommands::Endless
            << "C:\\KV\\Play.exe C:\\ANIM\\A.FLC -L65535";
        QTest::newRow("Windows, program at a root")
            << "C:\\" << back << "C:\\A.FLC" << FlicCommands::Once << "C:\\Play.exe C:\\A.FLC -L1";
        QTest::newRow("native") << "/opt/kv" << QChar('/') << "/anim/a.flc" << FlicCommands::Once
                                << "/opt/kv/Play.exe /anim/a.flc -L1";
        QTest::newRow("native, program at the root")
            << "/" << QChar('/') << "/a.fli" << FlicCommands::Endless << "/Play.exe /a.fli -L65535";
        QTest::newRow("no file, as after a first cancel")
            << "/opt/kv" << QChar('/') << QString() << FlicCommands::Once
            << "/opt/kv/Play.exe  -L1";
    }

    void playerCommandLine()
    {
        QFETCH(QString, programFolder);
        QFETCH(QChar, separator);
        QFETCH(QString, file);
        QFETCH(int, count);
        QFETCH(QString, expected);
        const LaunchCommand command = FlicCommands::player(programFolder, separator, file, count);
        QCOMPARE(command.line, expected);
        QCOMPARE(command.arguments, (QStringList{file, "-L" + QString::number(count)}));
    }

    void moduleCommandLine_data()
    {
        QTest::addColumn<QString>("programFolder");
        QTest::addColumn<QChar>("separator");
        QTest::addColumn<QString>("expected");
        QTest::newRow("Windows") << "C:\\KV" << QChar('\\') << "C:\\KV\\velmora.dll";
        QTest::newRow("Windows root") << "C:\\" << QChar('\\') << "C:\\velmora.dll";
        QTest::newRow("native") << "/opt/kv" << QChar('/') << "/opt/kv/velmora.dll";
    }

    void moduleCommandLine()
    {
        QFETCH(QString, programFolder);
        QFETCH(QChar, separator);
        QFETCH(QString, expected);
        const LaunchCommand command = FlicCommands::module(programFolder, separator);
        QCOMPARE(command.line, expected);
        QCOMPARE(command.program, expected);
        QVERIFY(command.arguments.isEmpty());
    }

    void moduleIsBroughtForwardOrStarted_data()
    {
        QTest::addColumn<bool>("running");
        QTest::newRow("already running") << true;
        QTest::newRow("not running") << false;
    }

    void moduleIsBroughtForwardOrStarted()
    {
        QFETCH(bool, running);
        if (running)
            h->fakes.windows->windows.insert(FlicHandover::ModuleTitle, 77);
        h->click("CmdFLI");
        if (running) {
            QVERIFY(launcher().started.isEmpty());
            QCOMPARE(h->fakes.windows->activations.size(), 1);
            const QString activated = h->fakes.windows->activations.first();
            QVERIFY2(activated == FlicHandover::ModuleTitle
                         || activated == FlicHandover::ModuleApplication,
                     qPrintable(activated));
        } else {
            QCOMPARE(launcher().started, QStringList{"/opt/kinovue/velmora.dll"});
            QVERIFY(h->fakes.windows->activations.isEmpty());
        }
        QVERIFY(h->fakes.messages->asked.isEmpty());
    }

    void missingModuleFailsSilently()
    {
        launcher().statusByProgram.insert(QStringLiteral("/opt/kinovue/velmora.dll"),
                                          LaunchStatus::FileNotFound);
        h->click("CmdFLI");
        QCOMPARE(launcher().started.size(), 1);
        QVERIFY(h->fakes.messages->asked.isEmpty());
    }

    void menuButtonOpensThenCloses()
    {
        QWidget *menu = h->main->control(QStringLiteral("mnuSeqFLI"));
        QVERIFY(menu->isHidden());
        h->click("CmdFLI1");
        QVERIFY(!menu->isHidden());
        QCOMPARE(Twips::rect(menu).topLeft(), QPointF(1800, 2760));
        h->click("CmdFLI1");
        QVERIFY(menu->isHidden());
    }

    void oneFileStartsThePlayerWithTheDialogsName_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("option");
        QTest::newRow("Un fichier une fois") << "mnuFich1FLI"
                                             << " -L1";
        QTest::newRow("Un fichier en boucle") << "mnuFichRepFLI"
                                              << " -L65535";
    }

    void oneFileStartsThePlayerWithTheDialogsName()
    {
        QFETCH(QString, entry);
        QFETCH(QString, option);
        const QString file = QDir(m_flics).filePath(QStringLiteral("A.FLC"));
        h->fakes.dialogs->replies.enqueue({true, file});
        h->click("CmdFLI1");
        h->click(entry);
        QVERIFY(!h->shown("mnuSeqFLI"));
        const FakeCommonDialog::Shown &asked = h->fakes.dialogs->shown.last();
        QCOMPARE(asked.state.title, QStringLiteral("Nom du fichier FLC ou FLI"));
        QCOMPARE(asked.state.filter,
                 QStringLiteral("Animations FLC et FLI|*.flc;*.fli|Tous les fichiers (*.*)|*.*"));
        QCOMPARE(asked.state.filterIndex, 4);
        QCOMPARE(asked.state.flags, 4);
        QCOMPARE(launcher().started, QStringList{"/opt/kinovue/Play.exe " + file + option});
        QCOMPARE(launcher().commands.last().arguments, (QStringList{file, option.trimmed()}));
    }

    void cancelledDialogHandsOverTheLastFileOfTheSharedDialog()
    {
        // An animation chosen through the shared dialog for the media window.
        const QString avi = QDir(m_flics).filePath(QStringLiteral("film.avi"));
        h->fakes.dialogs->replies.enqueue({true, avi});
        h->click("CmdFiMCI");
        h->click("CmdFLI1");
        h->click("mnuFich1FLI"); // cancelled: no reply queued
        QCOMPARE(launcher().started, QStringList{"/opt/kinovue/Play.exe " + avi + " -L1"});
    }

    // The entries open the file panel on FLC and FLI files.
    void entriesOpenThePanelOnFlicFiles_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("looks");
        QTest::newRow("Tout le dossier") << "mnuToutRepFLI"
                                         << "(mnuSeqFLI) (ButAVI) PSeqAVI PSeqAVI2 CmdFiMCI";
        QTest::newRow("Sélection de fichiers") << "mnuSelecFicFLI"
                                               << "(mnuSeqFLI) (ButAVI) PSeqAVI PSeqAVI2 CmdFiMCI";
        QTest::newRow("Liste des fichiers") << "mnuListFicFLI"
                                            << "(mnuSeqFLI) (ButAVI) PSeqAVI PSeqAVI2 CmdFiMCI";
    }
    void entriesOpenThePanelOnFlicFiles()
    {
        QFETCH(QString, entry);
        QFETCH(QString, looks);
        h->click("CmdFLI1");
        h->click(entry);
        QCOMPARE(h->looks({"mnuSeqFLI", "ButAVI", "PSeqAVI", "PSeqAVI2", "CmdFiMCI"}), looks);
        QCOMPARE(files->pattern(), QStringLiteral("*.flc;*.fli"));
    }

    void sequenceWithNothingSelectedStartsNothing_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::newRow("Tout le dossier") << "mnuToutRepFLI";
        QTest::newRow("Sélection de fichiers") << "mnuSelecFicFLI";
    }

    void sequenceWithNothingSelectedStartsNothing()
    {
        QFETCH(QString, entry);
        openSequencePanel(entry.toUtf8().constData(), {});
        h->click("CmdOKSeqAVI");
        QVERIFY(launcher().started.isEmpty());
        QVERIFY(!h->shown("PSeqAVI"));
        QVERIFY(!h->shown("PSeqAVI2"));
    }

    void selectedFilesPlayOneAfterTheOther()
    {
        openSequencePanel("mnuToutRepFLI", {0, 1, 3});
        // Each start records how many players had gone by then; each player goes 40 ms later.
        QList<int> goneAtStart;
        int gone = 0;
        launcher().onStart = [&](const QString &) {
            goneAtStart << gone;
            const qint64 id = launcher().started.size();
            QTimer::singleShot(40, h->main, [&, id] {
                ++gone;
                launcher().finish(id);
            });
        };
        h->click("CmdOKSeqAVI");
        QCOMPARE(launcher().started,
                 (QStringList{playerLine("A.FLC"), playerLine("b.fli"), playerLine("d.FLI")}));
        QCOMPARE(goneAtStart, (QList<int>{0, 1, 2}));
        QCOMPARE(gone, 3);
        QVERIFY(h->fakes.messages->asked.isEmpty());
    }

    void playerThatNeverTakesOverIsToldAndTheSequenceGoesOn()
    {
        openSequencePanel("mnuSelecFicFLI", {1, 2});
        h->main->activateWindow();
        QApplication::setActiveWindow(h->main);
        QTRY_VERIFY(h->main->isActiveWindow());
        launcher().onStart = [&](const QString &) {
            const qint64 id = launcher().started.size();
            if (id == 1) // our window stays active: the minute runs out
                QTimer::singleShot(20, h->main, [&] { h->fakes.clock->seconds += 61; });
            else
                QTimer::singleShot(20, h->main, [&, id] { launcher().finish(id); });
        };
        h->click("CmdOKSeqAVI");
        QCOMPARE(launcher().started, (QStringList{playerLine("b.fli"), playerLine("C.flc")}));
        QCOMPARE(h->fakes.messages->asked.size(), 1);
        QCOMPARE(h->fakes.messages->asked.first().text, QStringLiteral("Programme DOS non lancé"));
    }

    void playerThatCannotStartEndsTheSequence()
    {
        openSequencePanel("mnuToutRepFLI", {0, 2});
        launcher().statusByProgram.insert(QStringLiteral("/opt/kinovue/Play.exe"),
                                          LaunchStatus::FileNotFound);
        h->click("CmdOKSeqAVI");
        QCOMPARE(launcher().started, QStringList{playerLine("A.FLC")});
        QVERIFY(h->fakes.messages->asked.isEmpty());
    }
};

KV_TEST_MAIN(FlicHandoverTest)
#include "tst_flichandover.moc"
