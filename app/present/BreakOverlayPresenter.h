// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "BreakOptions.h"
#include "BreakPresenting.h"
#include "OverlayWindowLayer.h"
#include "TaskHandle.h"

#include <QObject>

#include <functional>

class Scheduler;
class SoundPlayer;
class UserDefaults;

// The full-screen break: a window on every display with a one-second countdown, a tip that changes
// every ten seconds and a progress line. show() completes exactly once, with completed when the count
// runs out, skipped when the user skips or postponed when the user puts the break off. The logic lives
// here; the windows are the layer's.
class BreakOverlayPresenter final : public QObject, public OverlayPresenting
{
    Q_OBJECT

public:
    using Completion = std::function<void(BreakResult)>;
    // For the first seconds of a break no key reaches its buttons.
    static constexpr double kKeysIgnoredSeconds = 3;
    // Where the guided moves' rotation stands between breaks and restarts.
    static inline const QString kRotationKey = QStringLiteral("Tavrin.GuideRotation");
    // The guide is offered while at least this much of the break is left.
    static constexpr double kShortestGuideSeconds = 10;

    // defaults: where the rotation of the guided moves is kept; without, it starts afresh each run.
    BreakOverlayPresenter(OverlayWindowLayer& windows, Scheduler& scheduler, SoundPlayer& sound,
                          UserDefaults* defaults = nullptr, QObject* parent = nullptr);

    // Starts a break; completion runs on the main thread once the overlay has closed. While a break is
    // running, also one shown with no display at all, a second call completes with skipped at once and
    // leaves the running break alone.
    void show(const BreakOptions& options, Completion completion) override;
    // A window is on screen: the user is resting.
    bool hasWindows() const override { return m_windows.windowCount() > 0; }
    bool isRunning() const { return static_cast<bool>(m_completion); }

    // "5:00": whole seconds rounded up, never negative, minutes not split into hours.
    static QString format(double seconds);
    // The same time in words, for a screen reader.
    static QString timeLeft(double seconds);
    // 1 − remaining / duration within 0…1; 0 for a break without length.
    static double progress(double remaining, double duration);

    // For tests and the window layer: what the windows show now.
    OverlayContent content() const;
    int tipIndex() const { return m_tipIndex; }

private:
    void tick();
    void close(BreakResult result);
    // Starts the guided moves for the rest of the break, from where the rotation stands.
    void startGuide();
    int rotation() const;

    OverlayWindowLayer& m_windows;
    Scheduler& m_scheduler;
    SoundPlayer& m_sound;
    UserDefaults* m_defaults;
    int m_rotation = 0;
    QStringList m_excludedMoves;
    std::optional<GuidedMoves::Routine> m_guide;
    double m_guideStart = 0;
    Completion m_completion;
    TaskHandle m_timer;
    double m_duration = 0;
    double m_remaining = 0;
    int m_tipIndex = 0;
    bool m_isClosing = false;
    bool m_playSoundOnEnd = false;
};
