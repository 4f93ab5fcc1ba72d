// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Event sounds. Playing never blocks and never fails loudly: without a sound device nothing is heard.
class SoundPlayer
{
public:
    virtual ~SoundPlayer() = default;
    // The sound that tells the user a completed break is over.
    virtual void playBreakEnd() = 0;
};
