#include "TestMain.h"

#include "platform/desktop/XcbWindowServices.h"

#include <QElapsedTimer>
#include <QRandomGenerator>

#include <xcb/xcb.h>

#include <cstdlib>
#include <optional>

namespace {

// The other side: a client of the display of its own, as another program would be.
class Peer
{
public:
    Peer()
    {
        m_connection = xcb_connect(nullptr, nullptr);
        m_screen = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data;
    }
    ~Peer()
    {
        for (xcb_atom_t property : m_rootProperties)
            xcb_delete_property(m_connection, root(), property);
        sync();
        xcb_disconnect(m_connection);
    }

    xcb_window_t root() const { return m_screen->root; }

    xcb_atom_t atom(const char *name)
    {
        auto *reply = xcb_intern_atom_reply(
            m_connection, xcb_intern_atom(m_connection, 0, uint16_t(strlen(name)), name), nullptr);
        const xcb_atom_t a = reply ? reply->atom : XCB_NONE;
        std::free(reply);
        return a;
    }

    xcb_window_t window(xcb_window_t parent = XCB_NONE, bool map = true)
    {
        const xcb_window_t w = xcb_generate_id(m_connection);
        xcb_create_window(m_connection, XCB_COPY_FROM_PARENT, w,
                          parent == XCB_NONE ? root() : parent, 10, 10, 100, 80, 0,
                          XCB_WINDOW_CLASS_INPUT_OUTPUT, m_screen->root_visual, 0, nullptr);
        if (map)
            xcb_map_window(m_connection, w);
        sync();
        return w;
    }

    void setText(xcb_window_t w, const char *property, const char *type, const QByteArray &text)
    {
        xcb_change_property(m_connection, XCB_PROP_MODE_REPLACE, w, atom(property), atom(type), 8,
                            uint32_t(text.size()), text.constData());
        sync();
    }

    void setAtoms(xcb_window_t w, const char *property, const char *type,
                  const QList<uint32_t> &values)
    {
        xcb_change_property(m_connection, XCB_PROP_MODE_REPLACE, w, atom(property), atom(type), 32,
                            uint32_t(values.size()), values.constData());
        if (w == root())
            m_rootProperties.append(atom(property));
        sync();
    }

    void speakDeleteWindow(xcb_window_t w)
    {
        setAtoms(w, "WM_PROTOCOLS", "ATOM", {atom("WM_DELETE_WINDOW")});
    }

    // Acts as a window manager would: receives what clients ask of the root window.
    void redirectRoot()
    {
        const uint32_t mask
            = XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(m_connection, root(), XCB_CW_EVENT_MASK, &mask);
        sync();
    }

    void destroy(xcb_window_t w)
    {
        xcb_destroy_window(m_connection, w);
        sync();
    }

    struct Message
    {
        xcb_window_t window;
        xcb_atom_t type;
        uint32_t first;
    };
    // The next client message within `ms`, if any.
    std::optional<Message> clientMessage(int ms)
    {
        QElapsedTimer timer;
        timer.start();
        while (timer.elapsed() < ms) {
            while (xcb_generic_event_t *event = xcb_poll_for_event(m_connection)) {
                std::optional<Message> found;
                if ((event->response_type & 0x7F) == XCB_CLIENT_MESSAGE) {
                    auto *m = reinterpret_cast<xcb_client_message_event_t *>(event);
                    found = Message{m->window, m->type, m->data.data32[0]};
                }
                std::free(event);
                if (found)
                    return found;
            }
            QTest::qWait(10);
        }
        return std::nullopt;
    }

    bool viewable(xcb_window_t w)
    {
        auto *reply = xcb_get_window_attributes_reply(
            m_connection, xcb_get_window_attributes(m_connection, w), nullptr);
        const bool result = reply && reply->map_state == XCB_MAP_STATE_VIEWABLE;
        std::free(reply);
        return result;
    }

    xcb_window_t focus()
    {
        auto *reply
            = xcb_get_input_focus_reply(m_connection, xcb_get_input_focus(m_connection), nullptr);
        const xcb_window_t w = reply ? reply->focus : XCB_NONE;
        std::free(reply);
        return w;
    }

    void sync()
    {
        std::free(
            xcb_get_input_focus_reply(m_connection, xcb_get_input_focus(m_connection), nullptr));
    }

private:
    xcb_connection_t *m_connection = nullptr;
    xcb_screen_t *m_screen = nullptr;
    QList<xcb_atom_t> m_rootProperties;
};

QString uniqueTitle(const QString &base)
{
    return base + QStringLiteral(" #%1").arg(QRandomGenerator::global()->generate());
}

} // namespace

class TestWindowServices : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // Xvfb resets itself whenever its last client leaves, refusing connections meanwhile;
        // one connection held for the whole run keeps it up between the tests' own.
        m_keepAlive = xcb_connect(nullptr, nullptr);
    }

    void cleanupTestCase()
    {
        if (m_keepAlive)
            xcb_disconnect(m_keepAlive);
    }

    void withoutDisplayEverythingAnswersNone()
    {
        XcbWindowServices services(QByteArrayLiteral(":4711"));
        QVERIFY(!services.connected());
        QCOMPARE(services.findTopLevel(QStringLiteral("Kinovue ST")), 0u);
        QVERIFY(!services.activate(QStringLiteral("Kinovue ST")));
        QVERIFY(!services.exists(1));
        services.requestClose(1);
    }

    void findsWindowByExactTitle_data()
    {
        QTest::addColumn<QByteArray>("netName");
        QTest::addColumn<QByteArray>("wmName");
        QTest::addColumn<QString>("title");
        const QString accented = uniqueTitle(QStringLiteral("Aide - Démarrage « rapide »"));
        const QString plain = uniqueTitle(QStringLiteral("Kinovue ST - Animations FLC et FLI"));
        QTest::newRow("_NET_WM_NAME in UTF-8") << accented.toUtf8() << QByteArray() << accented;
        QTest::newRow("WM_NAME in Latin-1") << QByteArray() << accented.toLatin1() << accented;
        QTest::newRow("_NET_WM_NAME before WM_NAME")
            << plain.toUtf8() << QByteArray("something else") << plain;
    }

    void findsWindowByExactTitle()
    {
        QFETCH(QByteArray, netName);
        QFETCH(QByteArray, wmName);
        QFETCH(QString, title);
        Peer peer;
        const xcb_window_t w = peer.window();
        if (!netName.isEmpty())
            peer.setText(w, "_NET_WM_NAME", "UTF8_STRING", netName);
        if (!wmName.isEmpty())
            peer.setText(w, "WM_NAME", "STRING", wmName);

        XcbWindowServices services;
        QVERIFY(services.connected());
        QCOMPARE(services.findTopLevel(title), WindowServices::WindowId(w));
        QVERIFY(services.exists(w));
    }

    void prefixOrLongerTitleIsNoMatch()
    {
        Peer peer;
        const QString title = uniqueTitle(QStringLiteral("Kinovue ST - Animations FLC et FLI"));
        const xcb_window_t w = peer.window();
        peer.setText(w, "_NET_WM_NAME", "UTF8_STRING", title.toUtf8());

        XcbWindowServices services;
        QCOMPARE(services.findTopLevel(title.left(title.size() - 1)), 0u);
        QCOMPARE(services.findTopLevel(title + QLatin1Char(' ')), 0u);
        QCOMPARE(services.findTopLevel(title.toUpper()), 0u);
        QCOMPARE(services.findTopLevel(title), WindowServices::WindowId(w));
    }

    void findsWindowInsideAFrame()
    {
        Peer peer;
        const QString title = uniqueTitle(QStringLiteral("Dans un cadre"));
        const xcb_window_t frame = peer.window();
        const xcb_window_t inner = peer.window(frame);
        peer.setText(inner, "_NET_WM_NAME", "UTF8_STRING", title.toUtf8());
        XcbWindowServices services;
        QCOMPARE(services.findTopLevel(title), WindowServices::WindowId(inner));
    }

    void requestCloseSendsDeleteWindow()
    {
        Peer peer;
        const QString title = uniqueTitle(QStringLiteral("Kinovue ST - Animations FLC et FLI"));
        const xcb_window_t w = peer.window();
        peer.setText(w, "WM_NAME", "STRING", title.toLatin1());
        peer.speakDeleteWindow(w);

        XcbWindowServices services;
        services.requestClose(services.findTopLevel(title));
        const auto message = peer.clientMessage(3000);
        QVERIFY(message);
        QCOMPARE(message->window, w);
        QCOMPARE(message->type, peer.atom("WM_PROTOCOLS"));
        QCOMPARE(message->first, peer.atom("WM_DELETE_WINDOW"));
    }

    void windowWithoutCloseProtocolGetsNothing()
    {
        Peer peer;
        const xcb_window_t w = peer.window();
        XcbWindowServices services;
        services.requestClose(w);
        QVERIFY(!peer.clientMessage(300));
        QVERIFY(services.exists(w));
    }

    void goneWindowDoesNotExist()
    {
        Peer peer;
        const xcb_window_t w = peer.window();
        XcbWindowServices services;
        QVERIFY(services.exists(w));
        peer.destroy(w);
        QVERIFY(!services.exists(w));
        services.requestClose(w); // quietly nothing
        QVERIFY(!services.exists(0));
    }

    void activateWithoutWindowManagerMapsAndFocuses()
    {
        Peer peer;
        const QString title = uniqueTitle(QStringLiteral("Réduite"));
        const xcb_window_t w = peer.window(XCB_NONE, false);
        peer.setText(w, "_NET_WM_NAME", "UTF8_STRING", title.toUtf8());
        QVERIFY(!peer.viewable(w));

        XcbWindowServices services;
        QVERIFY(!services.activate(uniqueTitle(QStringLiteral("Absente"))));
        QVERIFY(services.activate(title));
        QTRY_VERIFY(peer.viewable(w));
        QTRY_COMPARE(peer.focus(), w);
    }

    void windowManagerIsAskedThroughEwmh()
    {
        Peer peer;
        const QString title = uniqueTitle(QStringLiteral("Gérée"));
        // Deep in the tree, where only the manager's client list can point to it.
        const xcb_window_t outer = peer.window();
        const xcb_window_t middle = peer.window(outer);
        const xcb_window_t client = peer.window(middle);
        peer.setText(client, "_NET_WM_NAME", "UTF8_STRING", title.toUtf8());
        peer.speakDeleteWindow(client);

        const xcb_window_t check = peer.window(XCB_NONE, false);
        peer.setAtoms(check, "_NET_SUPPORTING_WM_CHECK", "WINDOW", {check});
        peer.setAtoms(peer.root(), "_NET_SUPPORTING_WM_CHECK", "WINDOW", {check});
        peer.setAtoms(peer.root(), "_NET_SUPPORTED", "ATOM",
                      {peer.atom("_NET_CLOSE_WINDOW"), peer.atom("_NET_ACTIVE_WINDOW")});
        peer.setAtoms(peer.root(), "_NET_CLIENT_LIST", "WINDOW", {client});
        peer.redirectRoot();

        XcbWindowServices services;
        QCOMPARE(services.findTopLevel(title), WindowServices::WindowId(client));

        services.requestClose(client);
        auto message = peer.clientMessage(3000);
        QVERIFY(message);
        QCOMPARE(message->window, client);
        QCOMPARE(message->type, peer.atom("_NET_CLOSE_WINDOW"));

        QVERIFY(services.activate(title));
        message = peer.clientMessage(3000);
        QVERIFY(message);
        QCOMPARE(message->window, client);
        QCOMPARE(message->type, peer.atom("_NET_ACTIVE_WINDOW"));
    }

    void staleManagerPropertiesAreIgnored()
    {
        Peer peer;
        const QString title = uniqueTitle(QStringLiteral("Sans gestionnaire"));
        const xcb_window_t w = peer.window();
        peer.setText(w, "WM_NAME", "STRING", title.toLatin1());
        peer.speakDeleteWindow(w);
        // A manager that died left its properties; its check window is gone.
        const xcb_window_t check = peer.window(XCB_NONE, false);
        peer.setAtoms(peer.root(), "_NET_SUPPORTING_WM_CHECK", "WINDOW", {check});
        peer.setAtoms(peer.root(), "_NET_SUPPORTED", "ATOM", {peer.atom("_NET_CLOSE_WINDOW")});
        peer.destroy(check);

        XcbWindowServices services;
        services.requestClose(services.findTopLevel(title));
        const auto message = peer.clientMessage(3000);
        QVERIFY(message);
        QCOMPARE(message->type, peer.atom("WM_PROTOCOLS"));
    }

private:
    xcb_connection_t *m_keepAlive = nullptr;
};

KV_TEST_MAIN_XSERVER(TestWindowServices)
#include "tst_windowservices.moc"
