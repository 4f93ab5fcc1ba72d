// SPDX-License-Identifier: GPL-3.0-or-later
#include "CanberraSoundPlayer.h"

#include <alsa/asoundlib.h>
#include <canberra.h>

#include <cstdarg>
#include <dlfcn.h>

namespace {

// ALSA prints "cannot find card" and friends to stderr on machines without sound; that is expected here.
void quietAlsa(const char*, int, const char*, int, const char*, ...) {}

// libcanberra is loaded at the first sound: linked at build time, it and ALSA, Vorbis and the sound cache
// it pulls in (over half a MiB resident) would stay in every Tavrin that never plays one.
struct CanberraLibrary
{
    decltype(&::ca_context_create) create = nullptr;
    decltype(&::ca_context_change_props) changeProps = nullptr;
    decltype(&::ca_context_play) play = nullptr;
    decltype(&::ca_context_destroy) destroy = nullptr;
};

// Loads it once; null when it is not installed (there is then no sound).
const CanberraLibrary* loadCanberra()
{
    static const CanberraLibrary* loaded = []() -> const CanberraLibrary* {
        // The sound backends load ALSA themselves; the same library, loaded first, takes its quiet handler.
        if (void* alsa = ::dlopen("libasound.so.2", RTLD_NOW | RTLD_LOCAL)) {
            if (auto* setHandler = reinterpret_cast<decltype(&::snd_lib_error_set_handler)>(
                    ::dlsym(alsa, "snd_lib_error_set_handler"))) {
                setHandler(quietAlsa);
            }
        }
        void* canberra = ::dlopen("libcanberra.so.0", RTLD_NOW | RTLD_LOCAL);
        if (!canberra) {
            return nullptr;
        }
        static CanberraLibrary library;
        library.create = reinterpret_cast<decltype(library.create)>(::dlsym(canberra, "ca_context_create"));
        library.changeProps =
            reinterpret_cast<decltype(library.changeProps)>(::dlsym(canberra, "ca_context_change_props"));
        library.play = reinterpret_cast<decltype(library.play)>(::dlsym(canberra, "ca_context_play"));
        library.destroy = reinterpret_cast<decltype(library.destroy)>(::dlsym(canberra, "ca_context_destroy"));
        const bool complete = library.create && library.changeProps && library.play && library.destroy;
        return complete ? &library : nullptr;
    }();
    return loaded;
}

} // namespace

CanberraSoundPlayer::CanberraSoundPlayer() = default;

CanberraSoundPlayer::~CanberraSoundPlayer()
{
    if (m_context) {
        loadCanberra()->destroy(m_context);
    }
}

bool CanberraSoundPlayer::ensureContext()
{
    if (m_context || m_unavailable) {
        return m_context != nullptr;
    }
    const CanberraLibrary* canberra = loadCanberra();
    if (!canberra || canberra->create(&m_context) != CA_SUCCESS) {
        m_context = nullptr;
        m_unavailable = true;
        return false;
    }
    canberra->changeProps(m_context, CA_PROP_APPLICATION_NAME, "Tavrin", CA_PROP_APPLICATION_ID, "org.tavrin.Tavrin",
                          CA_PROP_APPLICATION_ICON_NAME, "tavrin", nullptr);
    return true;
}

void CanberraSoundPlayer::playBreakEnd()
{
    if (!ensureContext()) {
        return;
    }
    // Plays asynchronously; the call returns at once.
    m_lastResult = loadCanberra()->play(m_context, 0, CA_PROP_EVENT_ID, "complete", CA_PROP_EVENT_DESCRIPTION,
                                        "休息结束", CA_PROP_CANBERRA_CACHE_CONTROL, "permanent", nullptr);
}
