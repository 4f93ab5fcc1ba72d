// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "BusySignal.h"
#include "CameraUseWatch.h"
#include "PulseRecordingWatch.h"

// In a call, as far as a computer can tell: another program records from a microphone or has a camera
// open. Both are watched only while enabled.
class CallActivityMonitor final : public BusySignal
{
    Q_OBJECT

public:
    explicit CallActivityMonitor(QObject* parent = nullptr);

    void setEnabled(bool enabled) override;
    bool isBusy() const override { return m_busy; }

    PulseRecordingWatch& microphone() { return m_microphone; }
    CameraUseWatch& camera() { return m_camera; }

private:
    void update();

    PulseRecordingWatch m_microphone;
    CameraUseWatch m_camera;
    bool m_busy = false;
};
