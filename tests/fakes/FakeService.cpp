// SPDX-License-Identifier: GPL-3.0-or-later
#include "FakeService.h"

FakeService::FakeService(const QString& script)
{
    const QString folder = QStringLiteral(TAVRIN_FAKE_SERVICES_DIR);
    m_process.setWorkingDirectory(folder);
    m_process.setProcessChannelMode(QProcess::MergedChannels);
    m_process.start(QStringLiteral("/usr/bin/python3"), {folder + u'/' + script});
    // The fake prints "ready" once it owns its name; a fake that fails prints its traceback instead.
    while (m_process.waitForReadyRead(10000)) {
        m_output += QString::fromUtf8(m_process.readAll());
        if (m_output.contains(QStringLiteral("ready"))) {
            m_ready = true;
            break;
        }
    }
    if (!m_ready) {
        m_output += QString::fromUtf8(m_process.readAll());
    }
}

FakeService::~FakeService()
{
    stop();
}

void FakeService::stop()
{
    if (m_process.state() != QProcess::NotRunning) {
        m_process.terminate();
        if (!m_process.waitForFinished(5000)) {
            m_process.kill();
            m_process.waitForFinished(5000);
        }
    }
}
