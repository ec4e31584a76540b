// The background screen on a real X display, with no window manager and with a small one
// (openbox): it must stay behind the main window and the dialogs, keep its drawing when
// uncovered, and never take the focus, even when the user presses on it.
#include "TestMain.h"
#include "WindowHarness.h"

#include "app/LoadedWindows.h"
#include "colours/FenColors.h"
#include "colours/FenFond.h"
#include "colours/GradientBands.h"
#include "controls/ZarnBttn.h"
#include "core/Colour.h"

#include <QProcess>
#include <QScreen>
#include <QStandardPaths>
#include <QTimer>

using kvtest::WindowHarness;

namespace {

constexpr quint32 Green = 0x00FF00;

QString run(const QString &program, const QStringList &arguments)
{
    QProcess p;
    p.start(program, arguments);
    p.waitForFinished(5000);
    return QString::fromLatin1(p.readAllStandardOutput());
}

bool windowManagerRuns()
{
    return run("xprop", {"-root", "_NET_SUPPORTING_WM_CHECK"}).contains("window id");
}

quint32 screenPixel(const QImage &shot, QPoint p)
{
    return Colour::fromQColor(shot.pixelColor(p));
}

QImage screenShot()
{
    return QGuiApplication::primaryScreen()->grabWindow(0).toImage();
}

// No pixel of the background's plain colour anywhere on the window: it is in front.
bool inFront(const QWidget *window, const QImage &shot)
{
    const QRect r = window->frameGeometry().adjusted(2, 2, -2, -2);
    for (int y = r.top(); y < r.bottom(); y += 7)
        for (int x = r.left(); x < r.right(); x += 7)
            if (screenPixel(shot, {x, y}) == Green)
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
        if (QGuiApplication::platformName() != "xcb")
            QSKIP("needs an X display");
        if (QStandardPaths::findExecutable("xdotool").isEmpty())
            QSKIP("needs xdotool to press like a user");
    }

    void cleanup()
    {
        m_manager.terminate();
        m_manager.waitForFinished(3000);
    }

    void staysBehindAndNeverTakesTheFocus_data()
    {
        QTest::addColumn<QString>("manager");
        QTest::newRow("no window manager") << QString();
        QTest::newRow("openbox") << "openbox";
    }

    void staysBehindAndNeverTakesTheFocus()
    {
        QFETCH(QString, manager);
        if (manager.isEmpty() && windowManagerRuns())
            QSKIP("a window manager already runs on this display");
        if (!manager.isEmpty()) {
            if (QStandardPaths::findExecutable(manager).isEmpty())
                QSKIP("window manager not installed");
            m_manager.start(manager, {"--sm-disable"});
            QTRY_VERIFY_WITH_TIMEOUT(windowManagerRuns(), 10000);
        }

        WindowHarness h;
        h.general.CouleurFondEcran = Green;
        FenPrin *w = h.mainWindow();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        QTest::mouseClick(w->button("CmdFond"), Qt::LeftButton);
        auto *fond = qobject_cast<FenFond *>(h.windows.find("FenFond"));
        QVERIFY(fond && QTest::qWaitForWindowExposed(fond));
        QTRY_COMPARE(fond->frameGeometry(), w->screen()->geometry());
        QTRY_VERIFY(inFront(w, screenShot()));
        QTRY_VERIFY(w->isActiveWindow());

        // A press outside the main window, as a user does it.
        const QPoint at(40, 300);
        QCOMPARE(screenPixel(screenShot(), at), Green);
        run("xdotool", {"mousemove", "40", "300", "click", "1"});
        const QPoint band10(40, at.y() + int(21 * fond->height() / GradientBands::Units));
        QTRY_COMPARE(screenPixel(screenShot(), band10), Colour::bgr(0, 0, 10));
        QCOMPARE(screenPixel(screenShot(), at - QPoint(0, 20)), Green);
        QTest::qWait(300);
        QVERIFY(inFront(w, screenShot()));
        QVERIFY(w->isActiveWindow());
        QCOMPARE(QGuiApplication::focusWindow(), w->windowHandle());
        QVERIFY(run("xdotool", {"getwindowfocus"}).trimmed() != QString::number(fond->winId()));

        // The chooser over the gradient is in front of it; once it is gone the gradient is
        // still there.
        bool checked = false;
        QTimer::singleShot(0, w, [&] {
            QWidget *chooser = h.windows.find("FenColors");
            QVERIFY(chooser && QTest::qWaitForWindowExposed(chooser));
            chooser->move(band10 - QPoint(20, 40));
            QTest::qWait(300);
            const QImage shot = screenShot();
            const QPoint inside = chooser->frameGeometry().center();
            QCOMPARE(screenPixel(shot, inside),
                     Colour::fromQColor(
                         chooser->grab().toImage().pixelColor(chooser->mapFromGlobal(inside))));
            checked = true;
            QTest::mouseClick(static_cast<FenColors *>(chooser)->button("CmdAnnul"),
                              Qt::LeftButton);
        });
        QTest::mousePress(w->button("CmdFond"), Qt::RightButton);
        QVERIFY(checked);
        QTRY_COMPARE(screenPixel(screenShot(), band10), Colour::bgr(0, 0, 10));
        QTRY_VERIFY(inFront(w, screenShot()));
        QTRY_VERIFY(w->isActiveWindow());
    }
};

int main(int argc, char **argv)
{
    // A real display when there is one: the window system's stacking and focus are the test.
    if (!qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb");
    kvtest::prepareEnvironment();
    QApplication app(argc, argv);
    kvtest::prepareApplication();
    BackgroundDesktopTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_backgrounddesktop.moc"
