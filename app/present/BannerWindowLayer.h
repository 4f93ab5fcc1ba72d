// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "BannerContent.h"

#include <QString>

#include <functional>
#include <optional>

// The banner's window, behind an interface so that the presenter's logic runs without a screen.
class BannerWindowLayer
{
public:
    virtual ~BannerWindowLayer() = default;

    // Shows the card at the top right of the primary display without taking focus.
    virtual void show(const BannerContent& content, std::function<void()> onAction,
                      std::function<void()> onSecondaryAction, std::function<void()> onClose) = 0;
    // Takes it away at once; may be called from the card's own button handlers.
    virtual void hide() = 0;
    virtual bool isShown() const = 0;
};
