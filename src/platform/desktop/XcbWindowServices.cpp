#include "XcbWindowServices.h"

#include "core/Logging.h"

#include <QList>
#include <QString>

#include <xcb/xcb.h>
#include <xcb/xcb_ewmh.h>

#include <cstdlib>

namespace {

template<typename T> struct FreeDeleter
{
    void operator()(T *p) const { std::free(p); }
};
template<typename T> using Reply = std::unique_ptr<T, FreeDeleter<T>>;

} // namespace

struct XcbWindowServices::Private
{
    xcb_connection_t *connection = nullptr;
    mutable xcb_ewmh_connection_t ewmh{}; // the library takes it non-const even to read
    bool ewmhReady = false;
    int screen = 0;
    xcb_window_t root = XCB_NONE;
    xcb_atom_t wmProtocols = XCB_NONE;
    xcb_atom_t wmDeleteWindow = XCB_NONE;

    xcb_atom_t internAtom(const char *name) const
    {
        const auto cookie = xcb_intern_atom(connection, 0, uint16_t(qstrlen(name)), name);
        Reply<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(connection, cookie, nullptr));
        return reply ? reply->atom : XCB_NONE;
    }

    // Errors of requests without replies arrive as events; nobody reads them, so drop them.
    void discardEvents() const
    {
        while (xcb_generic_event_t *event = xcb_poll_for_event(connection))
            std::free(event);
    }

    QList<xcb_window_t> childrenOf(xcb_window_t window) const
    {
        QList<xcb_window_t> out;
        Reply<xcb_query_tree_reply_t> tree(
            xcb_query_tree_reply(connection, xcb_query_tree(connection, window), nullptr));
        if (!tree)
            return out;
        const xcb_window_t *children = xcb_query_tree_children(tree.get());
        const int count = xcb_query_tree_children_length(tree.get());
        out.reserve(count);
        for (int i = 0; i < count; ++i)
            out.append(children[i]);
        return out;
    }

    QList<xcb_window_t> clientList() const
    {
        QList<xcb_window_t> out;
        xcb_ewmh_get_windows_reply_t list;
        if (xcb_ewmh_get_client_list_reply(&ewmh, xcb_ewmh_get_client_list(&ewmh, screen), &list,
                                           nullptr)) {
            for (uint32_t i = 0; i < list.windows_len; ++i)
                out.append(list.windows[i]);
            xcb_ewmh_get_windows_reply_wipe(&list);
        }
        return out;
    }

    // Without a window manager's list: the root's children and, because some toolkits and
    // window managers put the real window inside a frame, their children too.
    QList<xcb_window_t> treeWindows() const
    {
        QList<xcb_window_t> out = childrenOf(root);
        const qsizetype topCount = out.size();
        for (qsizetype i = 0; i < topCount; ++i)
            out.append(childrenOf(out.at(i)));
        return out;
    }

    // Asks every title at once, then reads the answers: one round trip for the whole list.
    xcb_window_t findIn(const QList<xcb_window_t> &windows, const QString &title) const
    {
        QList<xcb_get_property_cookie_t> netNames;
        QList<xcb_get_property_cookie_t> names;
        for (xcb_window_t w : windows) {
            netNames.append(
                xcb_get_property(connection, 0, w, ewmh._NET_WM_NAME, ewmh.UTF8_STRING, 0, 4096));
            names.append(xcb_get_property(connection, 0, w, XCB_ATOM_WM_NAME,
                                          XCB_GET_PROPERTY_TYPE_ANY, 0, 4096));
        }
        xcb_window_t found = XCB_NONE;
        for (qsizetype i = 0; i < windows.size(); ++i) {
            Reply<xcb_get_property_reply_t> netName(
                xcb_get_property_reply(connection, netNames.at(i), nullptr));
            Reply<xcb_get_property_reply_t> name(
                xcb_get_property_reply(connection, names.at(i), nullptr));
            if (found != XCB_NONE)
                continue; // still collect the replies of the later requests
            QString text;
            if (netName && netName->type == ewmh.UTF8_STRING) {
                text = textOf(netName.get(), true);
            } else if (name && name->type != XCB_NONE) {
                text = textOf(name.get(), name->type == ewmh.UTF8_STRING);
            } else {
                continue;
            }
            if (text == title)
                found = windows.at(i);
        }
        return found;
    }

    static QString textOf(xcb_get_property_reply_t *reply, bool utf8)
    {
        const char *data = static_cast<const char *>(xcb_get_property_value(reply));
        int length = xcb_get_property_value_length(reply);
        while (length > 0 && data[length - 1] == '\0')
            --length;
        // WM_NAME of type STRING is Latin-1; compound text is read the same way for its
        // Latin-1 part, which is all a title of ours can hold there.
        return utf8 ? QString::fromUtf8(data, length) : QString::fromLatin1(data, length);
    }

    // A window manager that follows EWMH names a check window that names itself.
    bool windowManagerPresent() const
    {
        xcb_window_t check = XCB_NONE;
        if (!xcb_ewmh_get_supporting_wm_check_reply(
                &ewmh, xcb_ewmh_get_supporting_wm_check(&ewmh, root), &check, nullptr))
            return false;
        xcb_window_t self = XCB_NONE;
        return xcb_ewmh_get_supporting_wm_check_reply(
                   &ewmh, xcb_ewmh_get_supporting_wm_check(&ewmh, check), &self, nullptr)
               && self == check;
    }

    bool windowManagerSupports(xcb_atom_t atom) const
    {
        if (!windowManagerPresent())
            return false;
        xcb_ewmh_get_atoms_reply_t supported;
        if (!xcb_ewmh_get_supported_reply(&ewmh, xcb_ewmh_get_supported(&ewmh, screen), &supported,
                                          nullptr))
            return false;
        bool found = false;
        for (uint32_t i = 0; i < supported.atoms_len && !found; ++i)
            found = supported.atoms[i] == atom;
        xcb_ewmh_get_atoms_reply_wipe(&supported);
        return found;
    }

    bool speaksDeleteWindow(xcb_window_t window) const
    {
        Reply<xcb_get_property_reply_t> reply(xcb_get_property_reply(
            connection, xcb_get_property(connection, 0, window, wmProtocols, XCB_ATOM_ATOM, 0, 64),
            nullptr));
        if (!reply || reply->format != 32)
            return false;
        const auto *atoms = static_cast<const xcb_atom_t *>(xcb_get_property_value(reply.get()));
        const int count = xcb_get_property_value_length(reply.get()) / 4;
        for (int i = 0; i < count; ++i) {
            if (atoms[i] == wmDeleteWindow)
                return true;
        }
        return false;
    }
};

XcbWindowServices::XcbWindowServices(const QByteArray &displayName)
    : d(std::make_unique<Private>())
{
    int screenNumber = 0;
    d->connection
        = xcb_connect(displayName.isEmpty() ? nullptr : displayName.constData(), &screenNumber);
    if (xcb_connection_has_error(d->connection)) {
        qCInfo(lcPlatform) << "no X display: window services answer none";
        xcb_disconnect(d->connection);
        d->connection = nullptr;
        return;
    }
    xcb_intern_atom_cookie_t *cookies = xcb_ewmh_init_atoms(d->connection, &d->ewmh);
    d->ewmhReady = xcb_ewmh_init_atoms_replies(&d->ewmh, cookies, nullptr);
    if (!d->ewmhReady || screenNumber >= d->ewmh.nb_screens) {
        qCWarning(lcPlatform) << "X display without usable atoms: window services answer none";
        if (d->ewmhReady)
            xcb_ewmh_connection_wipe(&d->ewmh);
        d->ewmhReady = false;
        xcb_disconnect(d->connection);
        d->connection = nullptr;
        return;
    }
    d->screen = screenNumber;
    d->root = d->ewmh.screens[screenNumber]->root;
    d->wmProtocols = d->internAtom("WM_PROTOCOLS");
    d->wmDeleteWindow = d->internAtom("WM_DELETE_WINDOW");
}

XcbWindowServices::~XcbWindowServices()
{
    if (!d->connection)
        return;
    xcb_ewmh_connection_wipe(&d->ewmh);
    xcb_disconnect(d->connection);
}

bool XcbWindowServices::connected() const
{
    return d->connection != nullptr;
}

WindowServices::WindowId XcbWindowServices::findTopLevel(const QString &title) const
{
    if (!d->connection)
        return 0;
    xcb_window_t found = d->findIn(d->clientList(), title);
    if (found == XCB_NONE)
        found = d->findIn(d->treeWindows(), title);
    d->discardEvents();
    return found;
}

void XcbWindowServices::requestClose(WindowId window)
{
    if (!d->connection || !exists(window)) {
        qCInfo(lcPlatform) << "close request for a window that is not there:" << window;
        return;
    }
    const auto target = xcb_window_t(window);
    if (d->windowManagerSupports(d->ewmh._NET_CLOSE_WINDOW)) {
        xcb_ewmh_request_close_window(&d->ewmh, d->screen, target, XCB_CURRENT_TIME,
                                      XCB_EWMH_CLIENT_SOURCE_TYPE_OTHER);
    } else if (d->speaksDeleteWindow(target)) {
        xcb_client_message_event_t message{};
        message.response_type = XCB_CLIENT_MESSAGE;
        message.format = 32;
        message.window = target;
        message.type = d->wmProtocols;
        message.data.data32[0] = d->wmDeleteWindow;
        message.data.data32[1] = XCB_CURRENT_TIME;
        // No event mask: the event goes to the client that made the window.
        xcb_send_event(d->connection, 0, target, XCB_EVENT_MASK_NO_EVENT,
                       reinterpret_cast<const char *>(&message));
    } else {
        // Killing its client would be the only way left, which is more than a request.
        qCInfo(lcPlatform) << "window takes no close request:" << window;
        return;
    }
    xcb_flush(d->connection);
    d->discardEvents();
}

bool XcbWindowServices::activate(const QString &title)
{
    const WindowId found = findTopLevel(title);
    if (found == 0)
        return false;
    const auto target = xcb_window_t(found);
    if (d->windowManagerSupports(d->ewmh._NET_ACTIVE_WINDOW)) {
        xcb_ewmh_request_change_active_window(&d->ewmh, d->screen, target,
                                              XCB_EWMH_CLIENT_SOURCE_TYPE_OTHER, XCB_CURRENT_TIME,
                                              XCB_NONE);
    } else {
        const uint32_t above = XCB_STACK_MODE_ABOVE;
        xcb_map_window(d->connection, target);
        xcb_configure_window(d->connection, target, XCB_CONFIG_WINDOW_STACK_MODE, &above);
        xcb_set_input_focus(d->connection, XCB_INPUT_FOCUS_PARENT, target, XCB_CURRENT_TIME);
    }
    xcb_flush(d->connection);
    d->discardEvents();
    return true;
}

bool XcbWindowServices::exists(WindowId window) const
{
    if (!d->connection || window == 0 || window > 0xFFFFFFFFu)
        return false;
    Reply<xcb_get_window_attributes_reply_t> reply(xcb_get_window_attributes_reply(
        d->connection, xcb_get_window_attributes(d->connection, xcb_window_t(window)), nullptr));
    d->discardEvents();
    return reply != nullptr;
}
