// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QWindow;

// Window manager hints for Tavrin's special windows (overlay, banner, panel, desktop widget) and the task
// bar presence of its ordinary ones, in one place. On X11 (also XWayland) they become EWMH properties:
// _NET_WM_STATE (above, below, skip taskbar, skip pager) and _NET_WM_DESKTOP (all workspaces). They are
// written on the window before it is mapped (again before every map, since the window manager clears
// them when a window is withdrawn) and sent to the window manager as client messages while it is mapped.
// On other platforms only the Qt flags take effect.
class WindowHints final : public QObject
{
    Q_OBJECT

public:
    enum class Layer
    {
        normal,
        above,
        below,
        // Over every window, a focused full-screen one included, without the window manager: on X11 an
        // override-redirect window, which it neither stacks under its layers nor focuses, and which shows on
        // every workspace. For short-lived cards only: no decorations, no task bar, no moving.
        topmost,
    };

    struct Set
    {
        Layer layer = Layer::normal;
        bool allWorkspaces = false;
        bool skipTaskbar = false;
        bool neverFocused = false;
        // In the window manager's full-screen layer when focused or on a monitor without the focus.
        bool fullScreen = false;

        bool operator==(const Set&) const = default;
    };

    // Gives the window these hints from now on. The layer, the task bar and the workspaces also apply
    // live to a mapped window; focus is a creation-time property (for widgets, see applyTo).
    static void apply(QWindow* window, const Set& hints);
    // For a top-level QWidget (or anything with the same members): sets the matching Qt window flags and
    // attributes, creates the native window and applies the hints to it. Call it before the widget's native
    // window exists (before winId() or the first show): a widget whose flags change after that gets a new
    // native window at its next show, behind the back of its cached window id.
    template <typename Widget>
    static void applyTo(Widget* widget, const Set& hints)
    {
        const Qt::WindowFlags wanted = (widget->windowFlags() & ~kManagedFlags) | qtFlags(hints);
        if (wanted != widget->windowFlags()) {
            widget->setWindowFlags(wanted);
        }
        widget->setAttribute(Qt::WA_ShowWithoutActivating, hints.neverFocused);
        widget->winId();
        apply(widget->windowHandle(), hints);
    }
    // The Qt window flags that carry the hints.
    static Qt::WindowFlags qtFlags(const Set& hints);
    // Ordinary windows (normal windows and dialogs without hints of their own) skip the task bar while
    // this is off: the accessory presence. Applies to existing windows and to every window shown later.
    static void setOrdinaryWindowsInTaskbar(bool inTaskbar);
    static bool ordinaryWindowsInTaskbar();
    // Whether a compositing manager runs, so that translucent window backgrounds are blended rather
    // than drawn black. Always true outside X11.
    static bool compositorRunning();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    static constexpr Qt::WindowFlags kManagedFlags = Qt::WindowStaysOnTopHint | Qt::WindowStaysOnBottomHint |
                                                     Qt::WindowDoesNotAcceptFocus | Qt::BypassWindowManagerHint;

    explicit WindowHints(QObject* parent);
    static WindowHints& instance();
    static void applyNative(QWindow* window, const Set& hints, bool withLayer);

    bool m_ordinaryInTaskbar = true;
};
