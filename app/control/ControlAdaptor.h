// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "TaskHandle.h"
#include "TavrinWindow.h"

#include <QDBusAbstractAdaptor>
#include <QDBusMessage>
#include <QVariantMap>

#include <chrono>
#include <functional>

class AppState;
class Clock;
class Scheduler;

// org.tavrin.Tavrin1 on the object Tavrin exports at /org/tavrin/Tavrin (name org.tavrin.Tavrin): what the
// panel does, for key bindings, scripts and status bars. The session bus admits only this user's
// programs. Arguments out of range are answered with org.tavrin.Tavrin1.Error.InvalidArgument.
// StatusChanged carries the new status at most once a second, and only when it changed.
class ControlAdaptor final : public QDBusAbstractAdaptor
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.tavrin.Tavrin1")

public:
    static inline const QString kInterface = QStringLiteral("org.tavrin.Tavrin1");
    static inline const QString kInvalidArgument = QStringLiteral("org.tavrin.Tavrin1.Error.InvalidArgument");
    static constexpr uint kLongestPauseMinutes = 24 * 60;
    static constexpr std::chrono::seconds kSignalInterval{1};
    static constexpr std::chrono::milliseconds kTickSlack{50};
    // How often a status whose only change is in the seconds counted is signalled.
    static constexpr std::chrono::seconds kCountsInterval{60};

    struct Actions
    {
        std::function<void(TavrinWindow which)> openWindow;
        std::function<void()> quit;
    };

    // object: the exported object the interface is added to (its parent).
    ControlAdaptor(QObject* object, AppState& state, Actions actions, Scheduler& scheduler, const Clock& clock);
    ~ControlAdaptor() override;

public slots:
    void BreakNow();
    // A micro-pause now, when micro-pauses are on; refused otherwise.
    void MicroPause(const QDBusMessage& message);
    void Pause(uint minutes, const QDBusMessage& message);
    void PauseUntilTomorrow();
    void Resume();
    void SetMeeting(bool on);
    void OpenWindow(const QString& which, const QDBusMessage& message);
    QVariantMap Status();
    void Quit();

signals:
    void StatusChanged(const QVariantMap& status);

private:
    void statusMayHaveChanged();
    void sendIfChanged();
    std::chrono::milliseconds untilNextSignal() const;
    static void refuse(const QDBusMessage& message, const QString& text);

    AppState& m_state;
    Actions m_actions;
    Scheduler& m_scheduler;
    const Clock& m_clock;
    QVariantMap m_sent;
    std::chrono::milliseconds m_sentAt{0};
    bool m_everSent = false;
    TaskHandle m_pending;
    bool m_scheduled = false;
};
