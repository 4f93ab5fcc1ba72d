// SPDX-License-Identifier: GPL-3.0-or-later
#include "CsvExport.h"

#include <QDir>
#include <QSaveFile>

namespace {

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
        *error = QStringLiteral("无法创建文件夹 %1").arg(folder);
        return false;
    }
    for (const Table& table : tables) {
        QSaveFile file(QDir(folder).filePath(table.fileName));
        const QByteArray data = encode(table);
        // Unbuffered: through its buffer QSaveFile would commit a file cut short (a full disk) as complete.
        if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) || file.write(data) != data.size() ||
            !file.commit()) {
            *error = QStringLiteral("无法写入 %1：%2").arg(file.fileName(), file.errorString());
            return false;
        }
    }
    return true;
}
