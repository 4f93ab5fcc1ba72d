// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDBusConnection>
#include <QObject>

#include <memory>
#include <optional>

class QLockFile;
class QSocketNotifier;
class SystemLog;

// Keeps one Tavrin per session. The first instance holds a lock file in the runtime folder, listens on a
// local socket beside it, and owns the session-bus name org.tavrin.Tavrin when there is a bus; a second
// launch finds the lock taken, asks the owner over the socket to reopen (open and raise the dashboard) and
// exits. The socket is a plain Unix one: Qt's local sockets would bring in Qt Network, and with it Kerberos
// and the proxy library, over a megabyte resident for one line of text.
class SingleInstance final : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.tavrin.Tavrin")

public:
    static inline const QString kServiceName = QStringLiteral("org.tavrin.Tavrin");
    static inline const QString kObjectPath = QStringLiteral("/org/tavrin/Tavrin");

    // runtimeFolder: where the lock and socket live when there is no session bus.
    SingleInstance(const QDBusConnection& bus, QString runtimeFolder, SystemLog& log, QObject* parent = nullptr);
    ~SingleInstance() override;

    static inline const QString kStaleLockTakenOver =
        QString::fromUtf8(QT_TRANSLATE_NOOP("SystemLog", "Tavrin: 运行锁不属于任何正在运行的 Tavrin，已接管："));

    // True when this process is the first instance. False when another one runs: it has been asked to
    // reopen, and this process should exit; or when the lock cannot be used at all: problem() says why.
    bool claim();
    // Why the lock cannot be used (the path and the reason), after a claim that failed for it.
    const std::optional<QString>& problem() const { return m_problem; }
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
    static bool isStale(const QString& path, const QLockFile& lock);
    void askOwnerOverSocket();
    void listen(const QString& socketPath);
    void acceptConnections();

    QDBusConnection m_bus;
    QString m_runtimeFolder;
    SystemLog& m_log;
    std::unique_ptr<QLockFile> m_lock;
    int m_listener = -1;
    std::unique_ptr<QSocketNotifier> m_listening;
    bool m_ownsName = false;
    std::optional<QString> m_problem;
};
