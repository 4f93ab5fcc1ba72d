// SPDX-License-Identifier: GPL-3.0-or-later
#include "FullScreenWindowMonitor.h"

#include <QSocketNotifier>
#include <QtGlobal>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <vector>

#include <unistd.h>
#include <xcb/xcb.h>

namespace {

struct FreeDeleter
{
    void operator()(void* pointer) const { std::free(pointer); }
};
template <typename T>
using Reply = std::unique_ptr<T, FreeDeleter>;

std::uint32_t internAtom(xcb_connection_t* connection, const char* name)
{
    const Reply<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name), nullptr));
    return reply ? reply->atom : std::uint32_t{XCB_ATOM_NONE};
}

// A property's 32-bit items; none when the window has gone or never had it.
std::vector<std::uint32_t> windowProperty(xcb_connection_t* connection, std::uint32_t window, std::uint32_t name,
                                          std::uint32_t type)
{
    const Reply<xcb_get_property_reply_t> reply(
        xcb_get_property_reply(connection, xcb_get_property(connection, 0, window, name, type, 0, 64), nullptr));
    if (!reply || reply->format != 32) {
        return {};
    }
    const auto* items = static_cast<const std::uint32_t*>(xcb_get_property_value(reply.get()));
    return {items, items + xcb_get_property_value_length(reply.get()) / 4};
}

// Its properties, and for a client window also its unmapping and destruction: a window manager may go on
// naming a window that has gone as the active one.
void listenToWindow(xcb_connection_t* connection, std::uint32_t window, bool listen, bool structure)
{
    const std::uint32_t mask = listen
                                   ? XCB_EVENT_MASK_PROPERTY_CHANGE | (structure ? XCB_EVENT_MASK_STRUCTURE_NOTIFY : 0)
                                   : XCB_EVENT_MASK_NO_EVENT;
    // A window that is gone answers with an error, which is dropped with the cookie.
    xcb_change_window_attributes(connection, window, XCB_CW_EVENT_MASK, &mask);
}

} // namespace

FullScreenWindowMonitor::FullScreenWindowMonitor(QByteArray displayName, bool waylandSession, QObject* parent)
    : BusySignal(parent)
    , m_displayName(std::move(displayName))
    , m_waylandSession(waylandSession)
{
}

FullScreenWindowMonitor::~FullScreenWindowMonitor()
{
    disconnectFromServer();
}

bool FullScreenWindowMonitor::isWaylandSession()
{
    return qEnvironmentVariable("XDG_SESSION_TYPE") == QLatin1String("wayland") ||
           qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
}

BusySignal::Coverage FullScreenWindowMonitor::coverage() const
{
    const bool hasDisplay = !m_displayName.isEmpty() || qEnvironmentVariableIsSet("DISPLAY");
    if (!hasDisplay) {
        return Coverage::nothing;
    }
    return m_waylandSession ? Coverage::x11WindowsOnly : Coverage::everything;
}

void FullScreenWindowMonitor::setEnabled(bool enabled)
{
    if (enabled == m_enabled) {
        return;
    }
    m_enabled = enabled;
    if (enabled && coverage() != Coverage::nothing) {
        connectToServer();
    } else {
        disconnectFromServer();
    }
}

bool FullScreenWindowMonitor::connectToServer()
{
    m_connection = xcb_connect(m_displayName.isEmpty() ? nullptr : m_displayName.constData(), nullptr);
    if (xcb_connection_has_error(m_connection)) {
        xcb_disconnect(m_connection);
        m_connection = nullptr;
        return false;
    }
    m_root = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data->root;
    m_activeAtom = internAtom(m_connection, "_NET_ACTIVE_WINDOW");
    m_stateAtom = internAtom(m_connection, "_NET_WM_STATE");
    m_fullScreenAtom = internAtom(m_connection, "_NET_WM_STATE_FULLSCREEN");
    m_pidAtom = internAtom(m_connection, "_NET_WM_PID");
    listenToWindow(m_connection, m_root, true, false);
    m_notifier = new QSocketNotifier(xcb_get_file_descriptor(m_connection), QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &FullScreenWindowMonitor::readEvents);
    followActiveWindow();
    readEvents();
    return true;
}

void FullScreenWindowMonitor::disconnectFromServer()
{
    delete m_notifier;
    m_notifier = nullptr;
    if (m_connection) {
        xcb_disconnect(m_connection);
        m_connection = nullptr;
    }
    m_active = 0;
    setBusy(false);
}

void FullScreenWindowMonitor::readEvents()
{
    // Asking for a property reads the socket while waiting for the answer, and events that arrive then stay
    // in xcb's queue, where the socket notifier cannot see them: go round until nothing is left.
    for (;;) {
        bool activeChanged = false;
        bool stateChanged = false;
        bool any = false;
        while (xcb_generic_event_t* raw = xcb_poll_for_event(m_connection)) {
            const Reply<xcb_generic_event_t> event(raw);
            any = true;
            switch (event->response_type & 0x7f) {
            case XCB_PROPERTY_NOTIFY: {
                const auto* notify = reinterpret_cast<const xcb_property_notify_event_t*>(event.get());
                activeChanged |= notify->window == m_root && notify->atom == m_activeAtom;
                stateChanged |= notify->window == m_active && notify->atom == m_stateAtom;
                break;
            }
            // The same layout for the three: the window that went or came back.
            case XCB_UNMAP_NOTIFY:
            case XCB_MAP_NOTIFY:
            case XCB_DESTROY_NOTIFY:
                stateChanged |= reinterpret_cast<const xcb_unmap_notify_event_t*>(event.get())->window == m_active;
                break;
            default:
                break;
            }
        }
        if (xcb_connection_has_error(m_connection)) {
            // The X server went away: there is no window in front any more.
            disconnectFromServer();
            return;
        }
        if (!any) {
            return;
        }
        if (activeChanged) {
            followActiveWindow();
        } else if (stateChanged) {
            refresh();
        }
    }
}

void FullScreenWindowMonitor::followActiveWindow()
{
    const std::vector<std::uint32_t> active = windowProperty(m_connection, m_root, m_activeAtom, XCB_ATOM_WINDOW);
    const std::uint32_t window = active.empty() ? 0 : active.front();
    if (window != m_active) {
        if (m_active) {
            listenToWindow(m_connection, m_active, false, true);
        }
        m_active = window;
        if (m_active) {
            listenToWindow(m_connection, m_active, true, true);
        }
        xcb_flush(m_connection);
    }
    refresh();
}

void FullScreenWindowMonitor::refresh()
{
    bool fullScreen = false;
    // A window that is gone or not shown is not in front, whatever the window manager still says.
    const Reply<xcb_get_window_attributes_reply_t> attributes(
        m_active
            ? xcb_get_window_attributes_reply(m_connection, xcb_get_window_attributes(m_connection, m_active), nullptr)
            : nullptr);
    if (attributes && attributes->map_state == XCB_MAP_STATE_VIEWABLE) {
        const auto states = windowProperty(m_connection, m_active, m_stateAtom, XCB_ATOM_ATOM);
        fullScreen = std::find(states.begin(), states.end(), m_fullScreenAtom) != states.end();
        // Tavrin's own windows (its break, a dashboard made full screen) do not hold a break back.
        const auto pid = windowProperty(m_connection, m_active, m_pidAtom, XCB_ATOM_CARDINAL);
        fullScreen = fullScreen && !(pid.size() == 1 && pid.front() == static_cast<std::uint32_t>(::getpid()));
    }
    setBusy(fullScreen);
}

void FullScreenWindowMonitor::setBusy(bool busy)
{
    if (busy != m_busy) {
        m_busy = busy;
        emit busyChanged();
    }
}
