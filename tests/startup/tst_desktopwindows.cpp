// The program's windows as the X desktop sees them: each title exactly as the window sets it,
// and the window manager's close message to the main window ends the program.
#include "TestMain.h"
#include "WindowHarness.h"

#include "platform/desktop/XcbWindowServices.h"
#include "startup/Initial.h"
#include "startup/WindowCatalog.h"

namespace {

// Chosen before the test's main creates the application: the titles the desktop reads are
// what is tested.
const bool RealDisplay
    = !qEnvironmentVariableIsEmpty("DISPLAY") && qputenv("QT_QPA_PLATFORM", "xcb");

} // namespace

class DesktopWindowsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (!RealDisplay || QGuiApplication::platformName() != "xcb")
            QSKIP("needs an X display");
        Initial::prepare(*qApp);
    }

    void titlesReachTheDesktopAsSet_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("title");
        QTest::newRow("FenPrin") << "FenPrin"
                                 << "Kinovue ST";
        QTest::newRow("Demarre2") << "Demarre2"
                                  << "Démarrage";
        QTest::newRow("Conseils") << "Conseils"
                                  << "Kinovue ST - Conseil du jour";
        QTest::newRow("Apropos") << "Apropos"
                                 << "A propos d'Kinovue ST";
        QTest::newRow("FenColors") << "FenColors"
                                   << "Fond d'écran en dégradé de couleurs";
        QTest::newRow("FenFond") << "FenFond"
                                 << "Kinovue ST - Fond d'écran";
        QTest::newRow("FenMCI") << "FenMCI"
                                << "Ouverture";
        QTest::newRow("FenMultivu") << "FenMultivu"
                                    << "MultiVues";
    }

    void titlesReachTheDesktopAsSet()
    {
        QFETCH(QString, name);
        QFETCH(QString, title);
        kvtest::WindowHarness h;
        h.tipsAtStart(false);
        QWidget *window = WindowCatalog::load(name, h.context);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        XcbWindowServices desktop;
        QTRY_COMPARE(desktop.findTopLevel(title), WindowServices::WindowId(window->winId()));
    }

    void closeMessageEndsTheProgram()
    {
        kvtest::WindowHarness h;
        bool ended = false;
        h.windows.onEmpty = [&ended] {
            ended = true;
        };
        QWidget *main = h.mainWindow();
        QVERIFY(QTest::qWaitForWindowExposed(main));
        XcbWindowServices desktop;
        desktop.requestClose(main->winId());
        QTRY_VERIFY(ended);
        QCOMPARE(h.windows.count(), 0);
    }
};

KV_TEST_MAIN_XSERVER(DesktopWindowsTest)
#include "tst_desktopwindows.moc"
