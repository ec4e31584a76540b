// The program's windows as the X desktop sees them: each title exactly as the window sets it.
#include "TestMain.h"
#include "WindowHarness.h"

#include "startup/Initial.h"
#include "startup/WindowCatalog.h"

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>

namespace {

// Chosen before the test's main creates the application: the titles the desktop reads are
// what is tested.
const bool RealDisplay
    = !qEnvironmentVariableIsEmpty("DISPLAY") && qputenv("QT_QPA_PLATFORM", "xcb");

// The window's name as the window manager and the task bar read it.
QString desktopTitle(WId window)
{
    xcb_connection_t *connection = xcb_connect(nullptr, nullptr);
    const auto atom = [connection](const char *name) {
        auto *reply = xcb_intern_atom_reply(
            connection, xcb_intern_atom(connection, 0, uint16_t(strlen(name)), name), nullptr);
        const xcb_atom_t a = reply ? reply->atom : XCB_NONE;
        std::free(reply);
        return a;
    };
    auto *reply = xcb_get_property_reply(connection,
                                         xcb_get_property(connection, 0, xcb_window_t(window),
                                                          atom("_NET_WM_NAME"), atom("UTF8_STRING"),
                                                          0, 4096),
                                         nullptr);
    const QString title
        = reply ? QString::fromUtf8(static_cast<const char *>(xcb_get_property_value(reply)),
                                    xcb_get_property_value_length(reply))
                : QString();
    std::free(reply);
    xcb_disconnect(connection);
    return title;
}

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
