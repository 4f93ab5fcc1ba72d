// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "BreakOptions.h"
#include "GuidedMoves.h"

#include <QString>

#include <functional>
#include <optional>

// What every overlay window shows at a tick: the same countdown, tip and progress on every display.
struct OverlayContent
{
    QString countdown;
    QString tip;
    double progress = 0;
    // Whether the buttons take keys yet: a person still typing when the break comes must not skip it with
    // the next key.
    bool keysReady = false;
    // The guided moves of this break, once started, and how far into them the break is (whole seconds; the
    // windows animate in between). Without them the tip shows.
    std::optional<GuidedMoves::Routine> guide;
    double guideSeconds = 0;
    // The control that starts them is offered (while they run, the same control stops them).
    bool guideOffered = false;
    // The time left in words, for a screen reader: "还剩 2 分 59 秒".
    QString timeLeft;

    bool operator==(const OverlayContent&) const = default;
};

// The windows of the break overlay, one per display, behind an interface so that the presenter's logic
// runs without a screen.
class OverlayWindowLayer
{
public:
    virtual ~OverlayWindowLayer() = default;

    // Puts one window on every display (and on displays that appear while it is up) and fades them in.
    // onSkip, onPostpone and onGuide run when the user presses that button on any of them.
    virtual void open(const BreakOptions& options, const OverlayContent& content, std::function<void()> onSkip,
                      std::function<void()> onPostpone, std::function<void()> onGuide) = 0;
    // Shows the content on every window.
    virtual void update(const OverlayContent& content) = 0;
    // Takes every window off the screen at once; may be called from a skip button's click handler.
    virtual void close() = 0;
    virtual int windowCount() const = 0;
};
