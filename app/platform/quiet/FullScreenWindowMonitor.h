// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "BusySignal.h"

#include <QByteArray>

#include <cstdint>
#include <memory>

class QSocketNotifier;
struct xcb_connection_t;

// Whether the focused window is full screen, on X11: the window manager names the focused window in the
// root window's _NET_ACTIVE_WINDOW and lists "full screen" in that window's _NET_WM_STATE. The monitor
// has its own connection to the X server and hears both properties change; it asks nothing in between.
// Under Wayland only XWayland windows are seen, and without an X server nothing is.
class FullScreenWindowMonitor final : public BusySignal
{
    Q_OBJECT

public:
    // An empty display name is $DISPLAY's; a Wayland session is told apart by the environment.
    explicit FullScreenWindowMonitor(QByteArray displayName = {}, bool waylandSession = isWaylandSession(),
                                     QObject* parent = nullptr);
    ~FullScreenWindowMonitor() override;

    void setEnabled(bool enabled) override;
    bool isBusy() const override { return m_busy; }
    Coverage coverage() const override;

    static bool isWaylandSession();

private:
    bool connectToServer();
    void disconnectFromServer();
    void readEvents();
    void followActiveWindow();
    void refresh();
    void setBusy(bool busy);

    QByteArray m_displayName;
    bool m_waylandSession;
    bool m_enabled = false;
    bool m_busy = false;
    xcb_connection_t* m_connection = nullptr;
    QSocketNotifier* m_notifier = nullptr;
    std::uint32_t m_root = 0;
    std::uint32_t m_active = 0;
    std::uint32_t m_activeAtom = 0;
    std::uint32_t m_stateAtom = 0;
    std::uint32_t m_fullScreenAtom = 0;
    std::uint32_t m_pidAtom = 0;
};
