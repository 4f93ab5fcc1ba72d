// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDBusConnection>
#include <QObject>

#include <memory>

class QLocalServer;
class QLockFile;

// Keeps one Tavrin per session. The first instance holds a lock file in the runtime folder, listens on a
// local socket beside it, and owns the session-bus name org.tavrin.Tavrin when there is a bus; a second
// launch finds the lock taken, asks the owner over the socket to reopen (open and raise the dashboard) and
// exits.
class SingleInstance final : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.tavrin.Tavrin")

public:
    static inline const QString kServiceName = QStringLiteral("org.tavrin.Tavrin");
    static inline const QString kObjectPath = QStringLiteral("/org/tavrin/Tavrin");

    // runtimeFolder: where the lock and socket live when there is no session bus.
    explicit SingleInstance(const QDBusConnection& bus, QString runtimeFolder, QObject* parent = nullptr);
    ~SingleInstance() override;

    // True when this process is the first instance. False when another one runs: it has been asked to
    // reopen, and this process should exit.
    bool claim();
    // Exports the D-Bus adaptors added to this object since claim() (the control interface) beside Reopen.
    void exportAdaptors();

public slots:
    // The D-Bus method a second launch calls.
    Q_SCRIPTABLE void Reopen();

signals:
    void reopenRequested();

private:
    bool claimOnBus();
    bool claimWithLock();
    void askOwnerOverSocket();

    QDBusConnection m_bus;
    QString m_runtimeFolder;
    std::unique_ptr<QLockFile> m_lock;
    std::unique_ptr<QLocalServer> m_server;
    bool m_ownsName = false;
};
