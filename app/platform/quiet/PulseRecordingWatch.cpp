// SPDX-License-Identifier: GPL-3.0-or-later
#include "PulseRecordingWatch.h"

#include <QAbstractEventDispatcher>
#include <QTimer>

#include <pulse/context.h>
#include <pulse/glib-mainloop.h>
#include <pulse/introspect.h>
#include <pulse/subscribe.h>

#include <dlfcn.h>
#include <unistd.h>

namespace {

constexpr int kReconnectMs = 5000;

// The sound server's client library, loaded when the watch first starts: linked at build time it would
// pull in libpulsecommon, libsndfile and its codecs (about 1 MiB of resident pages) for every Tavrin,
// quiet switch on or off.
#define TAVRIN_PULSE_FUNCTIONS(X)                                                                                      \
    X(pa_glib_mainloop_new)                                                                                            \
    X(pa_glib_mainloop_get_api)                                                                                        \
    X(pa_glib_mainloop_free)                                                                                           \
    X(pa_context_new)                                                                                                  \
    X(pa_context_set_state_callback)                                                                                   \
    X(pa_context_connect)                                                                                              \
    X(pa_context_get_state)                                                                                            \
    X(pa_context_set_subscribe_callback)                                                                               \
    X(pa_context_subscribe)                                                                                            \
    X(pa_operation_unref)                                                                                              \
    X(pa_context_disconnect)                                                                                           \
    X(pa_context_unref)                                                                                                \
    X(pa_context_get_source_info_list)                                                                                 \
    X(pa_context_get_source_output_info_list)                                                                          \
    X(pa_proplist_gets)

struct PulseLibrary
{
#define TAVRIN_DECLARE(name) decltype(&::name) name = nullptr;
    TAVRIN_PULSE_FUNCTIONS(TAVRIN_DECLARE)
#undef TAVRIN_DECLARE
};

const PulseLibrary* g_pulse = nullptr;

// Loads it once; null when it is not installed (the watch then never finds a recording).
const PulseLibrary* loadPulse()
{
    static const PulseLibrary* loaded = []() -> const PulseLibrary* {
        void* pulse = ::dlopen("libpulse.so.0", RTLD_NOW | RTLD_LOCAL);
        void* glib = ::dlopen("libpulse-mainloop-glib.so.0", RTLD_NOW | RTLD_LOCAL);
        if (!pulse || !glib) {
            return nullptr;
        }
        static PulseLibrary library;
        bool complete = true;
#define TAVRIN_RESOLVE(name)                                                                                           \
    library.name = reinterpret_cast<decltype(&::name)>(::dlsym(pulse, #name));                                         \
    if (!library.name) {                                                                                               \
        library.name = reinterpret_cast<decltype(&::name)>(::dlsym(glib, #name));                                      \
    }                                                                                                                  \
    complete = complete && library.name;
        TAVRIN_PULSE_FUNCTIONS(TAVRIN_RESOLVE)
#undef TAVRIN_RESOLVE
        return complete ? &library : nullptr;
    }();
    return loaded;
}

// Lets go of an operation; false when it could not start (the connection is no longer ready).
bool started(pa_operation* operation)
{
    if (!operation) {
        return false;
    }
    g_pulse->pa_operation_unref(operation);
    return true;
}

} // namespace

PulseRecordingWatch::PulseRecordingWatch(QObject* parent)
    : QObject(parent)
{
}

PulseRecordingWatch::~PulseRecordingWatch()
{
    stop();
}

bool PulseRecordingWatch::start()
{
    if (m_running) {
        return true;
    }
    // Qt's event loop on Linux is GLib's, unless QT_NO_GLIB turned it off: then the sound server's socket
    // would never be heard.
    if (!QAbstractEventDispatcher::instance() ||
        !QAbstractEventDispatcher::instance()->inherits("QEventDispatcherGlib")) {
        return false;
    }
    g_pulse = loadPulse();
    if (!g_pulse) {
        return false;
    }
    m_running = true;
    m_mainloop = g_pulse->pa_glib_mainloop_new(nullptr);
    connectToServer();
    return true;
}

void PulseRecordingWatch::stop()
{
    m_running = false;
    if (m_context) {
        g_pulse->pa_context_set_state_callback(m_context, nullptr, nullptr);
        g_pulse->pa_context_set_subscribe_callback(m_context, nullptr, nullptr);
        g_pulse->pa_context_disconnect(m_context);
        g_pulse->pa_context_unref(m_context);
        m_context = nullptr;
    }
    // Listings in flight were cancelled with the connection.
    m_listing = false;
    m_listAgain = false;
    if (m_mainloop) {
        g_pulse->pa_glib_mainloop_free(m_mainloop);
        m_mainloop = nullptr;
    }
    setRecording(false);
}

void PulseRecordingWatch::connectToServer()
{
    m_context = g_pulse->pa_context_new(g_pulse->pa_glib_mainloop_get_api(m_mainloop), "Tavrin");
    g_pulse->pa_context_set_state_callback(m_context, &PulseRecordingWatch::onState, this);
    // Never start a sound server for this; without one yet, wait for one instead of failing.
    g_pulse->pa_context_connect(m_context, nullptr,
                                static_cast<pa_context_flags_t>(PA_CONTEXT_NOAUTOSPAWN | PA_CONTEXT_NOFAIL), nullptr);
}

void PulseRecordingWatch::onState(pa_context* context, void* self)
{
    auto* watch = static_cast<PulseRecordingWatch*>(self);
    switch (g_pulse->pa_context_get_state(context)) {
    case PA_CONTEXT_READY:
        g_pulse->pa_context_set_subscribe_callback(
            context,
            [](pa_context*, pa_subscription_event_type_t, uint32_t, void* data) {
                static_cast<PulseRecordingWatch*>(data)->refresh();
            },
            watch);
        started(g_pulse->pa_context_subscribe(
            context,
            static_cast<pa_subscription_mask_t>(PA_SUBSCRIPTION_MASK_SOURCE | PA_SUBSCRIPTION_MASK_SOURCE_OUTPUT),
            nullptr, nullptr));
        watch->refresh();
        break;
    case PA_CONTEXT_FAILED:
    case PA_CONTEXT_TERMINATED:
        // The server went away: nobody records through it. Try again a little later.
        watch->setRecording(false);
        QTimer::singleShot(0, watch, [watch] {
            if (watch->m_context && watch->m_running) {
                g_pulse->pa_context_set_state_callback(watch->m_context, nullptr, nullptr);
                g_pulse->pa_context_unref(watch->m_context);
                watch->m_context = nullptr;
                watch->m_listing = false;
                watch->m_listAgain = false;
                QTimer::singleShot(kReconnectMs, watch, [watch] {
                    if (watch->m_running && !watch->m_context) {
                        watch->connectToServer();
                    }
                });
            }
        });
        break;
    default:
        break;
    }
}

void PulseRecordingWatch::refresh()
{
    if (!m_context) {
        return;
    }
    // One listing at a time: the second of two overlapping ones would clear the sources the first reads.
    if (m_listing) {
        m_listAgain = true;
        return;
    }
    m_listing = true;
    m_monitorSources.clear();
    // The sources first (which are monitors), then the recording streams, judged against them.
    const bool listing = started(g_pulse->pa_context_get_source_info_list(
        m_context,
        [](pa_context* context, const pa_source_info* info, int last, void* self) {
            auto* watch = static_cast<PulseRecordingWatch*>(self);
            if (last < 0) {
                watch->listed();
                return;
            }
            if (!last) {
                if (info->monitor_of_sink != PA_INVALID_INDEX) {
                    watch->m_monitorSources.insert(info->index);
                }
                return;
            }
            watch->m_foundRecording = false;
            const bool outputs = started(g_pulse->pa_context_get_source_output_info_list(
                context,
                [](pa_context*, const pa_source_output_info* output, int end, void* data) {
                    auto* me = static_cast<PulseRecordingWatch*>(data);
                    if (end < 0) {
                        me->listed();
                        return;
                    }
                    if (end) {
                        me->setRecording(me->m_foundRecording);
                        me->listed();
                        return;
                    }
                    const char* pid = g_pulse->pa_proplist_gets(output->proplist, "application.process.id");
                    const bool ours = pid && QByteArray(pid).toLongLong() == ::getpid();
                    if (!ours && !output->corked && !me->m_monitorSources.contains(output->source)) {
                        me->m_foundRecording = true;
                    }
                },
                watch));
            if (!outputs) {
                watch->listed();
            }
        },
        this));
    if (!listing) {
        listed();
    }
}

void PulseRecordingWatch::listed()
{
    m_listing = false;
    if (m_listAgain) {
        m_listAgain = false;
        refresh();
    }
}

void PulseRecordingWatch::setRecording(bool recording)
{
    if (recording != m_recording) {
        m_recording = recording;
        emit recordingChanged();
    }
}
