#include "TestMain.h"
#include "WindowHarness.h"

#include "app/DosProgram.h"

#include <QTimer>
#include <QWidget>

using kvtest::WindowHarness;

// The wait of ProcLanceDOS on a fake launcher and clock: a process "takes over" when our window
// stops being the active one, and is "gone" when the test finishes it.
class DosProgramTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<WindowHarness> h;
    std::unique_ptr<QWidget> m_main;
    std::unique_ptr<QWidget> m_player;

    FakeLauncher &launcher() const { return *h->fakes.launcher; }
    FakeClock &clock() const { return *h->fakes.clock; }

    void makeActive(QWidget *window)
    {
        window->show();
        window->activateWindow();
        QApplication::setActiveWindow(window);
        QTRY_COMPARE(QApplication::activeWindow(), window);
    }

private slots:
    void init()
    {
        h = std::make_unique<WindowHarness>();
        m_main = std::make_unique<QWidget>();
        m_main->setWindowTitle(QStringLiteral("Kinovue ST"));
        m_player = std::make_unique<QWidget>();
        m_player->setWindowTitle(QStringLiteral("Play.exe"));
        makeActive(m_main.get());
    }

    void cleanup()
    {
        m_player.reset();
        m_main.reset();
        h.reset();
    }

    // Each row: the clock when the program starts, where it jumps while our window stays
    // active, and whether that is past the minute.
    void minuteIsCountedFromTheStartRoundedToASecond_data()
    {
        QTest::addColumn<double>("start");
        QTest::addColumn<double>("later");
        QTest::addColumn<bool>("timedOut");
        QTest::newRow("exactly 60 s is not more than 60") << 36000.0 << 36060.0 << false;
        QTest::newRow("60.5 s") << 36000.0 << 36060.5 << true;
        QTest::newRow("start rounded down") << 36000.4 << 36060.4 << true;
        QTest::newRow("start rounded up") << 36000.6 << 36061.0 << false;
        QTest::newRow("30 s across midnight") << 86390.0 << 20.0 << false;
        QTest::newRow("70 s across midnight") << 86390.0 << 60.0 << true;
    }

    void minuteIsCountedFromTheStartRoundedToASecond()
    {
        QFETCH(double, start);
        QFETCH(double, later);
        QFETCH(bool, timedOut);
        clock().seconds = start;
        launcher().onStart = [this, later](const QString &) {
            QTimer::singleShot(20, m_main.get(), [this, later] { clock().seconds = later; });
            // Gone a little later in every case, so that a wait that misses the minute ends.
            QTimer::singleShot(150, m_main.get(), [this] { launcher().finishAll(); });
        };
        const DosProgram::Outcome outcome = DosProgram::ProcLanceDOS(
            h->context, *m_main, LaunchCommand::of("Play.exe", {"A.FLC", "-L1"}));
        QCOMPARE(launcher().started, QStringList{"Play.exe A.FLC -L1"});
        QCOMPARE(outcome,
                 timedOut ? DosProgram::Outcome::NeverTookOver : DosProgram::Outcome::Finished);
        QCOMPARE(h->fakes.messages->asked.size(), timedOut ? 1 : 0);
        if (!timedOut)
            return;
        const MessageRequest &told = h->fakes.messages->asked.first();
        QCOMPARE(told.text, QStringLiteral("Programme DOS non lancé"));
        QCOMPARE(told.title, h->general.TitreAppli);
        QCOMPARE(int(told.icon), int(MessageIcon::Critical));
        QCOMPARE(int(told.buttons), int(MessageButtons::Ok));
    }

    void aPlayerThatTookOverMayRunLongerThanAMinute()
    {
        launcher().onStart = [this](const QString &) {
            QTimer::singleShot(20, m_main.get(), [this] { makeActive(m_player.get()); });
            QTimer::singleShot(60, m_main.get(), [this] { clock().seconds += 600; });
            QTimer::singleShot(120, m_main.get(), [this] {
                m_player->hide();
                launcher().finishAll();
            });
        };
        const DosProgram::Outcome outcome = DosProgram::ProcLanceDOS(
            h->context, *m_main, LaunchCommand::of("Play.exe", {"B.FLC", "-L1"}));
        QCOMPARE(outcome, DosProgram::Outcome::Finished);
        QVERIFY(h->fakes.messages->asked.isEmpty());
    }

    void returnsOnlyWhenTheProgramHasGone()
    {
        bool gone = false;
        launcher().onStart = [this, &gone](const QString &) {
            QTimer::singleShot(20, m_main.get(), [this] { makeActive(m_player.get()); });
            QTimer::singleShot(100, m_main.get(), [this, &gone] {
                gone = true;
                launcher().finishAll();
            });
        };
        DosProgram::ProcLanceDOS(h->context, *m_main,
                                 LaunchCommand::of("Play.exe", {"C.FLC", "-L1"}));
        QVERIFY(gone);
    }

    void programThatCannotStartIsNotWaitedFor()
    {
        launcher().statusByProgram.insert(QStringLiteral("Play.exe"), LaunchStatus::FileNotFound);
        const DosProgram::Outcome outcome = DosProgram::ProcLanceDOS(
            h->context, *m_main, LaunchCommand::of("Play.exe", {"D.FLC", "-L1"}));
        QCOMPARE(outcome, DosProgram::Outcome::NotStarted);
        QVERIFY(h->fakes.messages->asked.isEmpty());
    }
};

KV_TEST_MAIN(DosProgramTest)
#include "tst_dosprogram.moc"
