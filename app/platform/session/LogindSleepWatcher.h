// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDBusConnection>
#include <QDBusUnixFileDescriptor>
#include <QObject>

class SystemLog;

// Tells Tavrin the machine is about to sleep, early enough to save its work. While running it holds a
// logind "delay" inhibitor for sleep; on PrepareForSleep(true) it emits aboutToSleep (the handlers run
// synchronously), then releases the inhibitor so the machine can go. On PrepareForSleep(false) it takes a
// new one for the next sleep.
class LogindSleepWatcher final : public QObject
{
    Q_OBJECT

public:
    // Nothing, with one log line, when there is no system bus.
    static std::unique_ptr<LogindSleepWatcher> create(SystemLog& log,
                                                      const QDBusConnection& bus = QDBusConnection::systemBus());

    bool holdsInhibitor() const { return m_inhibitor.isValid(); }

signals:
    void aboutToSleep();
    // For tests: the inhibitor was taken (true) or released (false).
    void inhibitorChanged(bool held);

private slots:
    void onPrepareForSleep(bool start);

private:
    LogindSleepWatcher(SystemLog& log, QDBusConnection bus);
    void takeInhibitor();
    void releaseInhibitor();

    SystemLog& m_log;
    QDBusConnection m_bus;
    // The only copy of the inhibitor's file descriptor: closing it lets the machine sleep.
    QDBusUnixFileDescriptor m_inhibitor;
    bool m_requestPending = false;
    bool m_reportedInhibitFailure = false;
};
