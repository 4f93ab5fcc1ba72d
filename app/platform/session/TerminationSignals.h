// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

#include <memory>

class QSocketNotifier;

// Turns SIGTERM, SIGINT and SIGHUP into a Qt signal on the main thread, through a self-pipe: the signal
// handler only writes one byte. The owner quits the event loop, so the normal shutdown path (and with it
// the terminate handler) runs instead of the process dying mid-write.
class TerminationSignals final : public QObject
{
    Q_OBJECT

public:
    // One instance per process.
    explicit TerminationSignals(QObject* parent = nullptr);
    ~TerminationSignals() override;

signals:
    void terminationRequested(int signalNumber);

private:
    std::unique_ptr<QSocketNotifier> m_notifier;
};
