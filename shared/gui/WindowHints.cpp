// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowHints.h"

#include <QGuiApplication>
#include <QWindow>

#include <xcb/xcb.h>

namespace {

const char* const kHintsProperty = "_tavrin_windowHints";
const char* const kMappedProperty = "_tavrin_hintsOnScreen";

struct X11
{
    xcb_connection_t* connection = nullptr;
    xcb_window_t root = 0;
};

X11 x11()
{
    X11 result;
    if (auto* native = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr) {
        result.connection = native->connection();
        if (result.connection) {
            result.root = xcb_setup_roots_iterator(xcb_get_setup(result.connection)).data->root;
        }
    }
    return result;
}

xcb_atom_t atom(xcb_connection_t* connection, const char* name)
{
    const auto cookie = xcb_intern_atom(connection, 0, static_cast<uint16_t>(qstrlen(name)), name);
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(connection, cookie, nullptr);
    const xcb_atom_t result = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    free(reply);
    return result;
}

bool isMapped(xcb_connection_t* connection, xcb_window_t window)
{
    xcb_get_window_attributes_reply_t* reply =
        xcb_get_window_attributes_reply(connection, xcb_get_window_attributes(connection, window), nullptr);
    const bool mapped = reply && reply->map_state != XCB_MAP_STATE_UNMAPPED;
    free(reply);
    return mapped;
}

void sendToWindowManager(const X11& x, xcb_window_t window, xcb_atom_t type, std::array<uint32_t, 5> data)
{
    xcb_client_message_event_t event{};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = window;
    event.type = type;
    std::copy(data.begin(), data.end(), event.data.data32);
    xcb_send_event(x.connection, 0, x.root, XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&event));
}

// Adds or removes the atoms in the _NET_WM_STATE property of an unmapped window, keeping the others
// (Qt merges its own states into what it finds there when it maps the window).
void editStateProperty(const X11& x, xcb_window_t window, xcb_atom_t state, const std::array<xcb_atom_t, 2>& atoms,
                       bool add)
{
    QList<xcb_atom_t> states;
    auto cookie = xcb_get_property(x.connection, 0, window, state, XCB_ATOM_ATOM, 0, 1024);
    if (xcb_get_property_reply_t* reply = xcb_get_property_reply(x.connection, cookie, nullptr)) {
        if (reply->format == 32 && reply->type == XCB_ATOM_ATOM) {
            const auto* values = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply));
            states = QList<xcb_atom_t>(values, values + xcb_get_property_value_length(reply) / 4);
        }
        free(reply);
    }
    for (const xcb_atom_t a : atoms) {
        if (a == XCB_ATOM_NONE) {
            continue;
        }
        states.removeAll(a);
        if (add) {
            states.append(a);
        }
    }
    xcb_change_property(x.connection, XCB_PROP_MODE_REPLACE, window, state, XCB_ATOM_ATOM, 32,
                        static_cast<uint32_t>(states.size()), states.constData());
}

QList<int> toList(const WindowHints::Set& hints)
{
    return {int(hints.layer), hints.allWorkspaces, hints.skipTaskbar, hints.neverFocused, hints.fullScreen};
}

WindowHints::Set fromList(const QList<int>& values)
{
    return {WindowHints::Layer(values.value(0)), values.value(1) != 0, values.value(2) != 0, values.value(3) != 0,
            values.value(4) != 0};
}

// Ordinary windows only differ in the task bar; their layer and workspaces are left to the window manager.
WindowHints::Set ordinaryHints(bool inTaskbar)
{
    return {WindowHints::Layer::normal, false, !inTaskbar, false};
}

bool isOrdinary(const QWindow* window)
{
    const Qt::WindowType type = window->type();
    return (type == Qt::Window || type == Qt::Dialog) && !window->property(kHintsProperty).isValid();
}

} // namespace

WindowHints::WindowHints(QObject* parent)
    : QObject(parent)
{
    qGuiApp->installEventFilter(this);
}

WindowHints& WindowHints::instance()
{
    static WindowHints* hints = new WindowHints(qGuiApp);
    return *hints;
}

Qt::WindowFlags WindowHints::qtFlags(const Set& hints)
{
    Qt::WindowFlags flags;
    flags.setFlag(Qt::WindowStaysOnTopHint, hints.layer == Layer::above || hints.layer == Layer::topmost);
    flags.setFlag(Qt::BypassWindowManagerHint, hints.layer == Layer::topmost);
    flags.setFlag(Qt::WindowStaysOnBottomHint, hints.layer == Layer::below);
    flags.setFlag(Qt::WindowDoesNotAcceptFocus, hints.neverFocused);
    return flags;
}

void WindowHints::apply(QWindow* window, const Set& hints)
{
    instance();
    window->setProperty(kHintsProperty, QVariant::fromValue(toList(hints)));
    window->setProperty("_q_showWithoutActivating", hints.neverFocused);
    // A widget owns its window's flags: changing them behind its back makes it recreate the native
    // window on show. Widgets get their flags through applyTo.
    if (!window->inherits("QWidgetWindow")) {
        const Qt::WindowFlags wanted = (window->flags() & ~kManagedFlags) | qtFlags(hints);
        if (wanted != window->flags()) {
            window->setFlags(wanted);
        }
    }
    applyNative(window, hints, true);
}

void WindowHints::setOrdinaryWindowsInTaskbar(bool inTaskbar)
{
    instance().m_ordinaryInTaskbar = inTaskbar;
    for (QWindow* window : QGuiApplication::topLevelWindows()) {
        if (isOrdinary(window) && window->handle()) {
            applyNative(window, ordinaryHints(inTaskbar), false);
        }
    }
}

bool WindowHints::ordinaryWindowsInTaskbar()
{
    return instance().m_ordinaryInTaskbar;
}

bool WindowHints::compositorRunning()
{
    const X11 x = x11();
    if (!x.connection) {
        return true;
    }
    // Qt's xcb connection works on the default screen, number 0 on a normal desktop.
    const QByteArray name = QByteArrayLiteral("_NET_WM_CM_S0");
    const xcb_atom_t selection = atom(x.connection, name.constData());
    xcb_get_selection_owner_reply_t* reply =
        xcb_get_selection_owner_reply(x.connection, xcb_get_selection_owner(x.connection, selection), nullptr);
    const bool running = reply && reply->owner != XCB_WINDOW_NONE;
    free(reply);
    return running;
}

bool WindowHints::eventFilter(QObject* watched, QEvent* event)
{
    if (!watched->isWindowType()) {
        return QObject::eventFilter(watched, event);
    }
    auto* window = static_cast<QWindow*>(watched);
    auto reapply = [&] {
        const QVariant stored = window->property(kHintsProperty);
        if (stored.isValid()) {
            applyNative(window, fromList(stored.value<QList<int>>()), true);
        } else if (isOrdinary(window)) {
            applyNative(window, ordinaryHints(m_ordinaryInTaskbar), false);
        }
    };
    switch (event->type()) {
    case QEvent::Show:
        // After the native window exists and before it is mapped: no task bar entry ever flashes up.
        window->setProperty(kMappedProperty, false);
        reapply();
        break;
    case QEvent::Expose:
        // Once more when first on screen, as requests to the window manager: a window shown again
        // right after being hidden can have its properties cleared by the manager's late handling of
        // the withdrawal.
        if (window->isExposed() && !window->property(kMappedProperty).toBool()) {
            window->setProperty(kMappedProperty, true);
            reapply();
        }
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void WindowHints::applyNative(QWindow* window, const Set& hints, bool withLayer)
{
    const X11 x = x11();
    // A window the window manager does not manage has no use for its hints.
    if (!x.connection || hints.layer == Layer::topmost) {
        return;
    }
    const auto id = static_cast<xcb_window_t>(window->winId());
    const xcb_atom_t state = atom(x.connection, "_NET_WM_STATE");
    const std::array<xcb_atom_t, 2> skip{atom(x.connection, "_NET_WM_STATE_SKIP_TASKBAR"),
                                         atom(x.connection, "_NET_WM_STATE_SKIP_PAGER")};
    const xcb_atom_t above = atom(x.connection, "_NET_WM_STATE_ABOVE");
    const xcb_atom_t below = atom(x.connection, "_NET_WM_STATE_BELOW");
    const xcb_atom_t fullScreen = atom(x.connection, "_NET_WM_STATE_FULLSCREEN");
    const xcb_atom_t desktop = atom(x.connection, "_NET_WM_DESKTOP");
    constexpr uint32_t kAllDesktops = 0xFFFFFFFF;
    constexpr uint32_t kSourceApplication = 1;
    const bool isAbove = hints.layer == Layer::above;
    const bool isBelow = hints.layer == Layer::below;

    if (isMapped(x.connection, id)) {
        auto change = [&](bool add, xcb_atom_t first, xcb_atom_t second) {
            sendToWindowManager(x, id, state, {add ? 1u : 0u, first, second, kSourceApplication, 0});
        };
        change(hints.skipTaskbar, skip[0], skip[1]);
        if (withLayer) {
            // Remove before add, so that switching between above and below never asks for both.
            change(false, isAbove ? below : above, XCB_ATOM_NONE);
            if (isAbove || isBelow) {
                change(true, isAbove ? above : below, XCB_ATOM_NONE);
            }
            change(hints.fullScreen, fullScreen, XCB_ATOM_NONE);
        }
        if (hints.allWorkspaces) {
            sendToWindowManager(x, id, desktop, {kAllDesktops, kSourceApplication, 0, 0, 0});
        }
    } else {
        editStateProperty(x, id, state, skip, hints.skipTaskbar);
        if (withLayer) {
            editStateProperty(x, id, state, {above, XCB_ATOM_NONE}, isAbove);
            editStateProperty(x, id, state, {below, XCB_ATOM_NONE}, isBelow);
            editStateProperty(x, id, state, {fullScreen, XCB_ATOM_NONE}, hints.fullScreen);
        }
        if (hints.allWorkspaces) {
            xcb_change_property(x.connection, XCB_PROP_MODE_REPLACE, id, desktop, XCB_ATOM_CARDINAL, 32, 1,
                                &kAllDesktops);
        }
    }
    xcb_flush(x.connection);
}
