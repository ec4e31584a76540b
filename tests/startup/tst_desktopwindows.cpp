// The program's windows as the X desktop sees them: each title exactly as the window sets it.
#include "TestMain.h"
#include "WindowHarness.h"

#include "startup/Initial.h"
#include "startup/WindowCatalog.h"

#include <QProcess>
#include <QStandardPaths>

namespace {

// Chosen before the test's main creates the application: the titles the desktop reads are
// what is tested.
const bool RealDisplay
    = !qEnvironmentVariableIsEmpty("DISPLAY") && qputenv("QT_QPA_PLATFORM", "xcb");

// The window's name as the window manager and the task bar read it.
QString desktopTitle(WId window)
{
    QProcess xprop;
    xprop.start("xprop", {"-id", QString::number(window), "_NET_WM_NAME"});
    xprop.waitForFinished(5000);
    const QString line = QString::fromUtf8(xprop.readAllStandardOutput()).trimmed();
    return line.section(" = \"", 1).chopped(1);
}

} // namespace

class DesktopWindowsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (!RealDisplay || QGuiApplication::platformName() != "xcb"
            || QStandardPaths::findExecutable("xprop").isEmpty())
            QSKIP("needs an X display and xprop");
        Initial::prepare(*qApp);
    }

    void titlesReachTheDesktopAsSet_data()
    {
        QTest::addColumn<QString>("name");
        for (const QString &name : WindowCatalog::names())
            QTest::newRow(qPrintable(name)) << name;
    }

    void titlesReachTheDesktopAsSet()
    {
        QFETCH(QString, name);
        kvtest::WindowHarness h;
        h.tipsAtStart(false);
        QWidget *window = WindowCatalog::load(name, h.context);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QTRY_COMPARE(desktopTitle(window->winId()), window->windowTitle());
    }
};

KV_TEST_MAIN_XSERVER(DesktopWindowsTest)
#include "tst_desktopwindows.moc"
