// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "SoundPlayer.h"

struct ca_context;

// Event sounds through libcanberra, in-process, from the freedesktop sound theme. The library is loaded
// and the context opened at the first sound. Without a sound server or device the sound is silently
// dropped: ALSA's own error printing is switched off so that nothing reaches the terminal or the journal.
class CanberraSoundPlayer final : public SoundPlayer
{
public:
    CanberraSoundPlayer();
    ~CanberraSoundPlayer() override;
    CanberraSoundPlayer(const CanberraSoundPlayer&) = delete;
    CanberraSoundPlayer& operator=(const CanberraSoundPlayer&) = delete;

    void playBreakEnd() override;
    // The libcanberra result of the last play (0 on success); for tests and diagnostics.
    int lastResult() const { return m_lastResult; }

private:
    bool ensureContext();

    ca_context* m_context = nullptr;
    bool m_unavailable = false;
    int m_lastResult = 0;
};
