#pragma once

#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <cstdio>
#include <unistd.h>

// Sends everything written to stderr (by this process and its libraries) to a file until text() is read.
class StderrCapture
{
public:
    StderrCapture()
        : m_path(m_dir.filePath(QStringLiteral("stderr")))
    {
        std::fflush(stderr);
        m_saved = ::dup(STDERR_FILENO);
        m_active = std::freopen(QFile::encodeName(m_path).constData(), "w", stderr) != nullptr;
    }
    ~StderrCapture() { restore(); }
    StderrCapture(const StderrCapture&) = delete;
    StderrCapture& operator=(const StderrCapture&) = delete;

    bool isActive() const { return m_active; }

    // Restores stderr and returns what was written meanwhile.
    QString text()
    {
        restore();
        QFile file(m_path);
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

private:
    void restore()
    {
        if (m_saved >= 0) {
            std::fflush(stderr);
            ::dup2(m_saved, STDERR_FILENO);
            ::close(m_saved);
            m_saved = -1;
        }
    }

    QTemporaryDir m_dir;
    QString m_path;
    int m_saved = -1;
    bool m_active = false;
};
