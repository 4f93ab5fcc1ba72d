// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "OverlayBackground.h"
#include "OverlayWindowLayer.h"

#include <QElapsedTimer>
#include <QHash>
#include <QObject>
#include <QPointer>

#include <memory>

#include "BreakOverlayContentView.h"
class QScreen;
class QTimer;

// The overlay as Qt windows: one frameless full-screen window per QScreen, in the window manager's
// full-screen layer above every other window (a focused full-screen one included), on all workspaces,
// without a task bar entry, faded in over 0.35 s. A display that appears while the
// overlay is up gets its own window at once; one that goes takes its window with it. While the guided
// moves run, one timer moves the figure on every window at once, 20 times a second; with the
// desktop's animations off, the key poses change with the countdown instead.
class QtOverlayWindowLayer final : public QObject, public OverlayWindowLayer
{
    Q_OBJECT

public:
    static constexpr int kFadeInMs = 350;

    static constexpr int kFrameIntervalMs = 50;

    // fadeIn: whether the platform can set a window's opacity (Qt's Wayland plugin cannot, and says so at
    // every step of a fade). animations: whether the desktop animates (asked at each break).
    explicit QtOverlayWindowLayer(bool fadeIn = true, std::function<bool()> animations = {}, QObject* parent = nullptr);
    ~QtOverlayWindowLayer() override;

    void open(const BreakOptions& options, const OverlayContent& content, std::function<void()> onSkip,
              std::function<void()> onPostpone, std::function<void()> onGuide) override;
    void update(const OverlayContent& content) override;
    void close() override;
    int windowCount() const override { return static_cast<int>(m_windows.size()); }

    // For tests and the benchmark.
    QList<BreakOverlayContentView*> windows() const;

signals:
    // A window was created for a display (at open, or when a display appears).
    void windowAdded(BreakOverlayContentView* window);

private:
    void addWindow(QScreen* screen);
    void removeWindow(QScreen* screen);
    // Starts the figure's timer once the guided moves run, and shows where they are.
    void followGuide();
    void showGuideFrame();

    BreakOptions m_options;
    OverlayContent m_content;
    bool m_fadeIn;
    std::function<void()> m_onSkip;
    std::function<void()> m_onPostpone;
    std::function<void()> m_onGuide;
    std::function<bool()> m_animations;
    bool m_animated = false;
    // Only while the guided moves run.
    std::unique_ptr<QTimer> m_frames;
    QElapsedTimer m_sinceUpdate;
    OverlayBackground m_background;
    QHash<QScreen*, QPointer<BreakOverlayContentView>> m_windows;
    QList<QMetaObject::Connection> m_screenConnections;
};
