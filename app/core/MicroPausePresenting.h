// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

// The micro-pause's card as its scheduling sees it: a cue (by its place in the cues' table) and a ring that
// fills, on every display, never taking the focus.
class MicroPausePresenting
{
public:
    virtual ~MicroPausePresenting() = default;
    // onSkip runs once when the person clicks the card's skip.
    virtual void show(int cue, std::function<void()> onSkip) = 0;
    // How far the ring is filled, 0 … 1.
    virtual void setProgress(double progress) = 0;
    virtual void hide() = 0;
    virtual bool isShown() const = 0;
};
