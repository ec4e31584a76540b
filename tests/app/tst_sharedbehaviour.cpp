#include "TestMain.h"
#include "WindowHarness.h"

#include "app/SharedProcedures.h"
#include "app/WindowDrag.h"
#include "controls/ZarnBttn.h"

#include <QMouseEvent>

using kvtest::WindowHarness;

// Behaviour every window shares: the drag bar, the clipboard viewer, the built-in sounds.
class SharedBehaviourTest : public QObject
{
    Q_OBJECT

private slots:
    void dragBarMovesTheWindowWithAnyButton_data()
    {
        QTest::addColumn<int>("button");
        QTest::newRow("left") << int(Qt::LeftButton);
        QTest::newRow("right") << int(Qt::RightButton);
        QTest::newRow("middle") << int(Qt::MiddleButton);
    }

    void dragBarMovesTheWindowWithAnyButton()
    {
        QFETCH(int, button);
        const auto which = Qt::MouseButton(button);
        QWidget window;
        window.setWindowFlag(Qt::FramelessWindowHint);
        window.resize(300, 200);
        window.move(100, 100);
        auto *bar = new ZarnBttn(&window);
        bar->setGeometry(0, 0, 300, 21);
        new WindowDrag(bar);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QPoint start = window.pos();

        // The offscreen platform has no window manager move: the bar follows the mouse.
        const QPoint grab(20, 10);
        auto send = [&](QEvent::Type type, QPoint local, Qt::MouseButtons held) {
            QMouseEvent event(type, local, bar->mapToGlobal(local), which, held, Qt::NoModifier);
            QCoreApplication::sendEvent(bar, &event);
        };
        send(QEvent::MouseButtonPress, grab, which);
        send(QEvent::MouseMove, grab + QPoint(40, 25), which);
        QCOMPARE(window.pos(), start + QPoint(40, 25));
        send(QEvent::MouseButtonRelease, grab + QPoint(40, 25), Qt::NoButton);
        const QPoint after = window.pos();
        send(QEvent::MouseMove, grab + QPoint(90, 90), Qt::NoButton);
        QCOMPARE(window.pos(), after); // released: no more following
    }

    void missingClipboardViewerExplainsHowToInstallIt()
    {
        WindowHarness h;
        h.fakes.launcher->statusByProgram.insert(QStringLiteral("clipbrd.exe"),
                                                 LaunchStatus::FileNotFound);
        SharedProcedures::ProcPressePapiers(h.context);
        QCOMPARE(h.fakes.launcher->started, QStringList{QStringLiteral("clipbrd.exe")});
        QCOMPARE(h.fakes.messages->asked.size(), 1);
        const MessageRequest &asked = h.fakes.messages->asked.first();
        QCOMPARE(asked.icon, MessageIcon::Exclamation);
        QCOMPARE(asked.buttons, MessageButtons::Ok);
        QCOMPARE(asked.title, QStringLiteral("Presse-papiers de Windows"));
        const QStringList lines = asked.text.split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), 7);
        QCOMPARE(lines.first(), QStringLiteral("Vous n'avez pas installé le presse-papiers. Il "
                                               "n'est pas vraiment nécessaire mais vous permet de "
                                               "visionner ce qui a été copié."));
        QCOMPARE(lines.last(), QStringLiteral("- cochez la case Presse-papiers, cliquez sur le "
                                              "bouton OK puis sur le bouton OK tout en bas de la "
                                              "fenêtre"));
    }

    void otherClipboardFailuresAreSilent_data()
    {
        QTest::addColumn<int>("status");
        QTest::newRow("started") << int(LaunchStatus::Started);
        QTest::newRow("failed") << int(LaunchStatus::Failed);
    }

    void otherClipboardFailuresAreSilent()
    {
        QFETCH(int, status);
        WindowHarness h;
        h.fakes.launcher->statusByProgram.insert(QStringLiteral("clipbrd.exe"),
                                                 LaunchStatus(status));
        SharedProcedures::ProcPressePapiers(h.context);
        QVERIFY(h.fakes.messages->asked.isEmpty());
    }

    void builtInSoundIsPlayedOrIgnored()
    {
        WindowHarness h;
        SharedProcedures::ProcSonRessource(h.context, 19);
        QCOMPARE(h.fakes.sound->played.size(), 1);
        QCOMPARE(h.fakes.sound->played.first().left(4), QByteArray("RIFF"));
        // An unknown number or a failing sound output ends quietly.
        SharedProcedures::ProcSonRessource(h.context, 42);
        QCOMPARE(h.fakes.sound->played.size(), 1);
        h.fakes.sound->succeed = false;
        SharedProcedures::ProcSonRessource(h.context, 20);
        QCOMPARE(h.fakes.sound->played.size(), 2);
    }
};

KV_TEST_MAIN(SharedBehaviourTest)
#include "tst_sharedbehaviour.moc"
