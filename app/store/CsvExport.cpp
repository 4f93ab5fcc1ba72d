// SPDX-License-Identifier: GPL-3.0-or-later
#include "CsvExport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSaveFile>

#include <sys/stat.h>

namespace {

// The words of this file, for translation; Chinese is the source language.
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(CsvExport)
};

QString field(const QString& value)
{
    if (!value.contains(u',') && !value.contains(u'"') && !value.contains(u'\n') && !value.contains(u'\r')) {
        return value;
    }
    QString quoted = value;
    quoted.replace(u'"', QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

QByteArray line(const QStringList& fields)
{
    QStringList encoded;
    encoded.reserve(fields.size());
    for (const QString& value : fields) {
        encoded.append(field(value));
    }
    return encoded.join(u',').toUtf8() + "\r\n";
}

} // namespace

QByteArray CsvExport::encode(const Table& table)
{
    QByteArray data = line(table.header);
    for (const QStringList& row : table.rows) {
        data += line(row);
    }
    return data;
}

bool CsvExport::write(const QString& folder, const QList<Table>& tables, QString* error)
{
    if (!QDir().mkpath(folder)) {
        *error = Texts::tr("无法创建文件夹 %1").arg(folder);
        return false;
    }
    for (const Table& table : tables) {
        const QString path = QDir(folder).filePath(table.fileName);
        // QSaveFile writes through a link to its target: a link planted at the name would let the export
        // replace any file the user can write. Only a regular file, or nothing, is replaced.
        struct stat info
        {};
        if (::lstat(QFile::encodeName(path).constData(), &info) == 0 && !S_ISREG(info.st_mode)) {
            *error = Texts::tr("%1 不是普通文件（可能是链接），不会覆盖").arg(path);
            return false;
        }
        QSaveFile file(path);
        const QByteArray data = encode(table);
        // Unbuffered: through its buffer QSaveFile would commit a file cut short (a full disk) as complete.
        if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) || file.write(data) != data.size() ||
            !file.commit()) {
            *error = Texts::tr("无法写入 %1：%2").arg(file.fileName(), file.errorString());
            return false;
        }
    }
    return true;
}
