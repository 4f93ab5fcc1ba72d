// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "BannerNotice.h"
#include "BreakOptions.h"

#include <functional>

// The full-screen break as break scheduling sees it.
class OverlayPresenting
{
public:
    virtual ~OverlayPresenting() = default;
    // Completes once, on the main thread, with how the break ended.
    virtual void show(const BreakOptions& options, std::function<void(BreakResult)> completion) = 0;
    // A window is up: the overlay is shown.
    virtual bool hasWindows() const = 0;
};

// The reminder banner as break scheduling sees it: it shows a notice, in words of its own, for a while. Each
// banner ends with one of its actions or, otherwise,
// with onDismissWithoutAction, once.
class BannerPresenting
{
public:
    struct Actions
    {
        std::function<void()> action;
        std::function<void()> secondaryAction;
        std::function<void()> onDismissWithoutAction;
    };

    virtual ~BannerPresenting() = default;
    virtual void show(const BannerNotice& notice, double durationSeconds, Actions actions) = 0;
    // Takes the banner down before its time, as if it had been ignored.
    virtual void dismiss() = 0;
    virtual bool isShown() const = 0;
};
