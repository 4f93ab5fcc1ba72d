// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProcess>
#include <QString>

// Runs one of the python fakes in tests/fakes/dbus (Debian's /usr/bin/python3 with python3-dbus) and
// waits until it owns its bus name. Ends it in the destructor.
class FakeService
{
public:
    // script: the file name under tests/fakes/dbus, such as "fake_logind.py".
    explicit FakeService(const QString& script);
    ~FakeService();
    FakeService(const FakeService&) = delete;
    FakeService& operator=(const FakeService&) = delete;

    bool isReady() const { return m_ready; }
    QString output() const { return m_output; }
    void stop();

private:
    QProcess m_process;
    bool m_ready = false;
    QString m_output;
};
