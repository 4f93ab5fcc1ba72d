// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The history as CSV files (RFC 4180: a header row, CRLF line ends, fields with a comma, a quote or a
// line break in quotes, quotes doubled; UTF-8). Each file is written beside its final name and renamed
// into place once complete, so an earlier export stays whole until the new one is.
namespace CsvExport {

struct Table
{
    QString fileName;
    QStringList header;
    QList<QStringList> rows;
};

QByteArray encode(const Table& table);
// Creates the folder if needed. False with a reason (the folder, the file, the system's words) when a
// file could not be written; files written before it stay.
bool write(const QString& folder, const QList<Table>& tables, QString* error);

} // namespace CsvExport
