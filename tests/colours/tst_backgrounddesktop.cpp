// The background screen on a real X display, with no window manager and with openbox: it stays
// behind the main window and the dialogs, keeps its drawing when uncovered, and never takes
// the focus, even when the user presses on it.
#include "TestMain.h"
#include "WindowHarness.h"

#include "colours/FenFond.h"
#include "colours/GradientBands.h"
#include "controls/ZarnBttn.h"
#include "core/Colour.h"

#include <QDir>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>
#include <QTimer>

namespace {

// A real display when there is one, chosen before the test's main creates the application:
// the window system's stacking and focus are what is tested.
const bool RealDisplay
    = !qEnvironmentVariableIsEmpty("DISPLAY") && qputenv("QT_QPA_PLATFORM", "xcb");
constexpr quint32 Green = 0x00FF00;

QString run(const QString &program, const QStringList &arguments)
{
    QProcess p;
    p.start(program, arguments);
    p.waitForFinished(5000);
    return QString::fromLatin1(p.readAllStandardOutput()).trimmed();
}

quint32 onScreen(QPoint p)
{
    return Colour::fromQColor(
        QGuiApplication::primaryScreen()->grabWindow(0).toImage().pixelColor(p));
}

// Not one pixel of the background's plain colour over the window: it is in front.
bool inFront(const QWidget *window)
{
    const QImage shot = QGuiApplication::primaryScreen()->grabWindow(0).toImage();
    const QRect r = window->frameGeometry().adjusted(2, 2, -2, -2);
    for (int y = r.top(); y < r.bottom(); y += 7)
        for (int x = r.left(); x < r.right(); x += 7)
            if (Colour::fromQColor(shot.pixelColor(x, y)) == Green)
                return false;
    return true;
}

} // namespace

class BackgroundDesktopTest : public QObject
{
    Q_OBJECT

    QProcess m_manager;

private slots:
    void initTestCase()
    {
        QVERIFY2(RealDisplay && QGuiApplication::platformName() == "xcb", "needs the X display");
        QVERIFY2(!QStandardPaths::findExecutable("xdotool").isEmpty(),
                 "needs xdotool (scripts/setup.sh installs it)");
    }
    void cleanup() { m_manager.kill(), m_manager.waitForFinished(); }

    void staysBehindAndNeverTakesTheFocus_data()
    {
        QTest::addColumn<QString>("manager");
        QTest::newRow("no window manager") << QString();
        QTest::newRow("openbox") << "openbox";
    }
    void staysBehindAndNeverTakesTheFocus()
    {
        QFETCH(QString, manager);
        const auto managed = [] {
            return run("xprop", {"-root", "_NET_SUPPORTING_WM_CHECK"}).contains("window id");
        };
        if (manager.isEmpty() && managed())
            QSKIP("a window manager already runs on this display");
        if (!manager.isEmpty()) {
            if (QStandardPaths::findExecutable(manager).isEmpty())
                QFAIL("window manager not installed (scripts/setup.sh installs openbox)");
            // Ready once it has run its start-up command, not when it first claims the screen.
            const QString ready = QDir::temp().filePath(
                QStringLiteral("kv-wm-%1").arg(QCoreApplication::applicationPid()));
            QFile::remove(ready);
            m_manager.start(manager, {"--sm-disable", "--startup", "touch " + ready});
            QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(ready) && managed(), 10000);
            QFile::remove(ready);
        }
        kvtest::WindowHarness h;
        h.general.CouleurFondEcran = Green;
        FenPrin *w = h.mainWindow();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        QTest::mouseClick(w->button("CmdFond"), Qt::LeftButton);
        auto *fond = qobject_cast<FenFond *>(h.windows.find("FenFond"));
        QVERIFY(fond && QTest::qWaitForWindowExposed(fond));
        QTRY_COMPARE(fond->frameGeometry(), w->screen()->geometry());
        QTRY_VERIFY(inFront(w) && w->isActiveWindow());

        // A press outside the main window, as a user does it.
        const QPoint at(40, 300);
        const QPoint band10 = at + QPoint(0, int(21 * fond->height() / GradientBands::Units));
        run("xdotool", {"mousemove", "40", "300", "click", "1"});
        QTRY_COMPARE(onScreen(band10), Colour::bgr(0, 0, 10));
        QCOMPARE(onScreen(at - QPoint(0, 20)), Green);
        QTRY_VERIFY(inFront(w) && w->isActiveWindow());
        QVERIFY(run("xdotool", {"getwindowfocus"}) != QString::number(fond->winId()));

        // The chooser, over the plain colour and the gradient, is in front of both; once it
        // is closed the gradient is still there.
        bool inFrontOfIt = false;
        QTimer::singleShot(0, w, [&] {
            QWidget *chooser = h.windows.find("FenColors");
            const auto closing = qScopeGuard([chooser] { chooser ? chooser->close() : false; });
            chooser->move(20, 250);
            inFrontOfIt = QTest::qWaitForWindowExposed(chooser)
                          && QTest::qWaitFor([&] { return inFront(chooser); });
        });
        QTest::mousePress(w->button("CmdFond"), Qt::RightButton);
        QVERIFY(inFrontOfIt);
        QTRY_COMPARE(onScreen(band10), Colour::bgr(0, 0, 10));
        QTRY_VERIFY(inFront(w) && w->isActiveWindow());
    }
};

KV_TEST_MAIN_XSERVER(BackgroundDesktopTest)
#include "tst_backgrounddesktop.moc"
