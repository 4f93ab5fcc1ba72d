// SPDX-License-Identifier: GPL-3.0-or-later
#include "CanberraSoundPlayer.h"

#include <alsa/asoundlib.h>
#include <canberra.h>

#include <cstdarg>

namespace {

// ALSA prints "cannot find card" and friends to stderr on machines without sound; that is expected here.
void quietAlsa(const char*, int, const char*, int, const char*, ...) {}

} // namespace

CanberraSoundPlayer::CanberraSoundPlayer() = default;

CanberraSoundPlayer::~CanberraSoundPlayer()
{
    if (m_context) {
        ca_context_destroy(m_context);
    }
}

bool CanberraSoundPlayer::ensureContext()
{
    if (m_context || m_unavailable) {
        return m_context != nullptr;
    }
    snd_lib_error_set_handler(quietAlsa);
    if (ca_context_create(&m_context) != CA_SUCCESS) {
        m_context = nullptr;
        m_unavailable = true;
        return false;
    }
    ca_context_change_props(m_context, CA_PROP_APPLICATION_NAME, "Tavrin", CA_PROP_APPLICATION_ID, "org.tavrin.Tavrin",
                            CA_PROP_APPLICATION_ICON_NAME, "tavrin", nullptr);
    return true;
}

void CanberraSoundPlayer::playBreakEnd()
{
    if (!ensureContext()) {
        return;
    }
    // Plays asynchronously; the call returns at once.
    m_lastResult = ca_context_play(m_context, 0, CA_PROP_EVENT_ID, "complete", CA_PROP_EVENT_DESCRIPTION, "休息结束",
                                   CA_PROP_CANBERRA_CACHE_CONTROL, "permanent", nullptr);
}
