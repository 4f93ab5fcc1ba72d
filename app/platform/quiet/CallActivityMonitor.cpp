// SPDX-License-Identifier: GPL-3.0-or-later
#include "CallActivityMonitor.h"

CallActivityMonitor::CallActivityMonitor(QObject* parent)
    : BusySignal(parent)
{
    connect(&m_microphone, &PulseRecordingWatch::recordingChanged, this, &CallActivityMonitor::update);
    connect(&m_camera, &CameraUseWatch::openChanged, this, &CallActivityMonitor::update);
}

void CallActivityMonitor::setEnabled(bool enabled)
{
    if (enabled) {
        m_microphone.start();
        m_camera.start();
    } else {
        m_microphone.stop();
        m_camera.stop();
    }
    update();
}

void CallActivityMonitor::update()
{
    const bool busy = m_microphone.isRecording() || m_camera.isOpen();
    if (busy != m_busy) {
        m_busy = busy;
        emit busyChanged();
    }
}
