// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFile>
#include <QString>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

// Files as the tests plant and inspect them.
namespace TestFiles {

// The permission bits (07777), or -1 when the path does not exist.
inline int mode(const QString& path)
{
    struct stat info
    {};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? int(info.st_mode & 07777) : -1;
}

inline QByteArray read(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline bool write(const QString& path, const QByteArray& content)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(content) == content.size();
}

// Runs the work with files limited to the size: a write past it fails half-way, as on a full disk, for
// root too.
template <typename Work>
auto withFileSizeLimit(rlim_t bytes, Work work)
{
    struct rlimit limit
    {};
    ::getrlimit(RLIMIT_FSIZE, &limit);
    const struct rlimit small
    {
        bytes, limit.rlim_max
    };
    const auto handler = std::signal(SIGXFSZ, SIG_IGN);
    ::setrlimit(RLIMIT_FSIZE, &small);
    auto result = work();
    ::setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, handler);
    return result;
}

} // namespace TestFiles
