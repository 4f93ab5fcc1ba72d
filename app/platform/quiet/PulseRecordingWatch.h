// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QSet>

struct pa_context;
struct pa_glib_mainloop;

// Whether another program records from a microphone, through the sound server's client API (PulseAudio,
// or PipeWire's pulse server). It subscribes to the server's source and recording-stream events and lists
// them again only when one of them changes: no polling. Recordings from a monitor source (what a sink
// plays) and paused (corked) ones do not count, nor Tavrin's own. Without a server it waits for one.
class PulseRecordingWatch final : public QObject
{
    Q_OBJECT

public:
    explicit PulseRecordingWatch(QObject* parent = nullptr);
    ~PulseRecordingWatch() override;

    // False where Qt's event loop is not GLib's (QT_NO_GLIB), or libpulse is not installed: the watch
    // cannot run there.
    bool start();
    void stop();
    bool isRecording() const { return m_recording; }

signals:
    void recordingChanged();

private:
    static void onState(pa_context* context, void* self);
    void connectToServer();
    void refresh();
    void listed();
    void setRecording(bool recording);

    pa_glib_mainloop* m_mainloop = nullptr;
    pa_context* m_context = nullptr;
    bool m_running = false;
    bool m_recording = false;
    // Filled by the source list, read by the recording-stream list that follows it.
    QSet<uint32_t> m_monitorSources;
    bool m_foundRecording = false;
    bool m_listing = false;
    bool m_listAgain = false;
};
