#include "TestMain.h"
#include "WindowHarness.h"

#include "app/ProgramClosing.h"
#include "controls/ZarnBttn.h"
#include "controls/ZarnPanel.h"
#include "mainwindow/FenPrin.h"
#include "platform/PassingDialog.h"
#include "startup/Demarre2.h"

#include <QTimer>

using kvtest::WindowHarness;

class StartupTest : public QObject
{
    Q_OBJECT

private slots:
    void secondInstanceAsksAndNoEndsBeforeAnyWindow()
    {
        WindowHarness h;
        h.fakes.instances->running = true;
        auto *splash = new Demarre2(h.context);
        QVERIFY(!splash->load());
        QCOMPARE(h.fakes.messages->asked.size(), 1);
        const MessageRequest &asked = h.fakes.messages->asked.first();
        QCOMPARE(asked.icon, MessageIcon::Exclamation);
        QCOMPARE(asked.buttons, MessageButtons::YesNo);
        QCOMPARE(asked.defaultButton, 1);
        QCOMPARE(asked.title, QStringLiteral("Kinovue ST"));
        QCOMPARE(asked.text, QStringLiteral("Kinovue ST est déjà en cours d'exécution.\n"
                                            "Souhaitez-vous exécuter une nouvelle instance ?"));
        QVERIFY(!splash->isVisible());
        QCOMPARE(h.windows.count(), 0);
        delete splash;
    }

    void secondInstanceYesGoesOn()
    {
        WindowHarness h;
        h.fakes.instances->running = true;
        h.fakes.messages->answers.enqueue(MessageAnswer::Yes);
        auto *splash = new Demarre2(h.context);
        QVERIFY(splash->load());
        QVERIFY(splash->isVisible());
        QCOMPARE(splash->size(), QSize(471, 130));
    }

    void splashHandsOverToTheMainWindow()
    {
        WindowHarness h;
        h.tipsAtStart(false);
        auto *splash = new Demarre2(h.context);
        FenPrin *main = nullptr;
        connect(splash, &Demarre2::handOver, splash, [&] {
            if (!main) {
                main = new FenPrin(h.context);
                main->load();
            }
        });
        QVERIFY(splash->load());
        QTRY_VERIFY(main != nullptr);
        QVERIFY(main->isVisible());
        QVERIFY(!h.windows.find(QStringLiteral("Demarre2")));
        QCOMPARE(main->size(), QSize(564, 378));
        QCOMPARE(main->button(QStringLiteral("CmdDeplaceFen"))->caption(),
                 QStringLiteral("Kinovue ST"));
        QVERIFY(h.fakes.messages->asked.isEmpty());
    }

    void tipsOpenModalOverTheVisibleMainWindow()
    {
        WindowHarness h;
        h.tipsAtStart(true);
        auto *main = new FenPrin(h.context);
        bool sawTips = false;
        QString captionBehind;
        bool mainVisible = false;
        QTimer::singleShot(50, [&] {
            QWidget *tips = h.windows.find(QStringLiteral("Conseils"));
            sawTips = tips && tips->isVisible() && tips->isModal();
            mainVisible = main->isVisible();
            captionBehind = main->button(QStringLiteral("CmdConseilDem"))->caption();
            if (tips)
                h.windows.unload(tips);
        });
        main->load();
        QVERIFY(sawTips);
        QVERIFY(mainVisible);
        QCOMPARE(captionBehind, QStringLiteral("Conseils au démarrage «"));
        QCOMPARE(main->button(QStringLiteral("CmdBulAide"))->caption(),
                 QStringLiteral("Affichage des info-bulles «"));
        QCOMPARE(h.general.FichierAide, QStringLiteral("/opt/kinovue/Kinovue.hlp"));
    }

    void defaultColoursPaintTheFrame()
    {
        WindowHarness h;
        auto *main = h.mainWindow();
        ZarnBttn *title = main->button(QStringLiteral("CmdDeplaceFen"));
        QCOMPARE(title->gradientColorStart(), 0x808000u);
        QCOMPARE(title->gradientColorEnd(), 0xE0E0E0u);
        QCOMPARE(title->foreColor(), 0x808000u);
        QCOMPARE(main->palette().color(QPalette::Window), QColor(0, 128, 128));
    }

    void hintsFollowTheSwitchOnTheNextMove()
    {
        WindowHarness h;
        auto *main = h.mainWindow();
        ZarnBttn *close = main->button(QStringLiteral("CmdFermer"));
        QTest::mouseMove(close, QPoint(5, 5));
        QTest::mouseMove(close, QPoint(6, 6));
        QCOMPARE(close->toolTip(), QStringLiteral("Fermer"));
        h.general.InfoBulles = false;
        QCOMPARE(close->toolTip(), QStringLiteral("Fermer")); // cleared on the move, not at once
        QTest::mouseMove(close, QPoint(7, 7));
        QCOMPARE(close->toolTip(), QString());
    }

    void helpButtonOpensWholeFileOrTopicOne()
    {
        WindowHarness h;
        h.mainWindow();
        h.click("CmdAide");
        QCOMPARE(h.fakes.launcher->started,
                 QStringList{QStringLiteral("winhelp.exe /opt/kinovue/Kinovue.hlp")});
        h.press("CmdAide", Qt::RightButton);
        QCOMPARE(h.fakes.help->calls.size(), 1);
        QCOMPARE(h.fakes.help->calls.first().context, 1);
    }

    void closingAsksTheFlicModuleToCloseAndUnloadsEverything_data()
    {
        QTest::addColumn<bool>("moduleRunning");
        QTest::newRow("module open") << true;
        QTest::newRow("module absent") << false;
    }

    void closingAsksTheFlicModuleToCloseAndUnloadsEverything()
    {
        QFETCH(bool, moduleRunning);
        WindowHarness h;
        h.tipsAtStart(false);
        if (moduleRunning)
            h.fakes.windows->windows.insert(QStringLiteral("Kinovue ST - Animations FLC et FLI"),
                                            77);
        h.fakes.windows->windows.insert(QStringLiteral("Kinovue ST - Animations FLC"), 78);
        bool ended = false;
        h.windows.onEmpty = [&ended] {
            ended = true;
        };
        h.mainWindow();
        h.windows.add(new QWidget);
        h.click("CmdFermer");
        QCOMPARE(h.fakes.windows->closeRequests, moduleRunning ? QList<WindowServices::WindowId>{77}
                                                               : QList<WindowServices::WindowId>{});
        QCOMPARE(h.windows.count(), 0);
        QVERIFY(ended);
    }

    void activationOpensTheAnimationHandedBack()
    {
        WindowHarness h;
        const QString film
            = h.addMedia(QStringLiteral("rendu.avi"), FakeMedia{3000, 30, QSize(160, 120)});
        auto *main = h.mainWindow();
        main->mciWnd1().setZoom(250);
        main->button(QStringLiteral("CmdPlayAVI"))->setEnabled(false);
        h.general.FichierRecup = film;
        main->activate();
        QVERIFY(main->mciWnd1().fileName().isEmpty()); // only for the multi-view window's choice
        h.general.ChoixMultivues = true;
        main->activate();
        QCOMPARE(h.playing(), "rendu.avi stopped 0");
        QCOMPARE(main->mciWnd1().zoom(), 100);
        QCOMPARE(h.caption("ZoomText"), QStringLiteral("100"));
        QCOMPARE(h.looks({"CmdPlayAVI", "ButAVI"}), "CmdPlayAVI ButAVI");
    }

    // The activation step runs when the user comes back from another window, not from a
    // message box or a file dialog that the main window's own handlers opened.
    void activationOnlyOnReturnFromAnotherWindow_data()
    {
        QTest::addColumn<bool>("passingDialog");
        QTest::addColumn<QString>("caption");
        QTest::newRow("another window") << false << QStringLiteral("Conseils au démarrage «");
        QTest::newRow("a passing dialog") << true << QStringLiteral("Conseils au démarrage");
    }

    void activationOnlyOnReturnFromAnotherWindow()
    {
        QFETCH(bool, passingDialog);
        QFETCH(QString, caption);
        WindowHarness h;
        auto *main = h.mainWindow();
        main->activateWindow();
        QTRY_VERIFY(main->isActiveWindow());
        QWidget other;
        if (passingDialog)
            PassingDialog::mark(other);
        other.show();
        other.activateWindow();
        QTRY_VERIFY(other.isActiveWindow());
        h.general.ConseilDemarrage = QStringLiteral("Oui");
        other.hide();
        main->activateWindow();
        QTRY_VERIFY(main->isActiveWindow());
        QCOMPARE(main->button(QStringLiteral("CmdConseilDem"))->caption(), caption);
    }

    void activationRefreshesTheTipsCaption()
    {
        WindowHarness h;
        auto *main = h.mainWindow();
        h.general.ConseilDemarrage = QStringLiteral("Oui");
        main->activate();
        QCOMPARE(main->button(QStringLiteral("CmdConseilDem"))->caption(),
                 QStringLiteral("Conseils au démarrage «"));
    }
};

KV_TEST_MAIN(StartupTest)
#include "tst_startup.moc"
