// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QObject>
#include <QString>

class QSocketNotifier;

// Whether a camera is open, from inotify's open and close events on the video devices (/dev/video*):
// the kernel tells us, nothing is polled. Devices that come and go are followed through the folder's own
// events. inotify cannot say who held a device before we started watching, so start() looks once through
// the open files of this user's processes; after that only events count.
class CameraUseWatch final : public QObject
{
    Q_OBJECT

public:
    // Both folders can be stand-ins for tests; an empty process folder skips the look at start.
    explicit CameraUseWatch(QString deviceFolder = QStringLiteral("/dev"),
                            QString processFolder = QStringLiteral("/proc"), QObject* parent = nullptr);
    ~CameraUseWatch() override;

    bool start();
    void stop();
    bool isOpen() const;

signals:
    void openChanged();

private:
    void watchDevice(const QString& name);
    void readEvents();
    void countOpenFiles();
    void setOpenCount(const QString& name, int count);

    QString m_deviceFolder;
    QString m_processFolder;
    int m_fd = -1;
    int m_folderWatch = -1;
    QSocketNotifier* m_notifier = nullptr;
    QHash<int, QString> m_devices; // watch descriptor → device name
    QHash<QString, int> m_opens;   // device name → opens not yet closed
};
