// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFile>
#include <QStringList>
#include <QVariant>

#include <sqlite3.h>

// A database file read and written from outside, as a user's sqlite3 session would: the tests' one way
// to look at what Tavrin stored and to plant rows of their own.
class DatabaseRows
{
public:
    explicit DatabaseRows(const QString& path, int flags = SQLITE_OPEN_READWRITE)
    {
        if (sqlite3_open_v2(QFile::encodeName(path).constData(), &m_db, flags, nullptr) != SQLITE_OK) {
            sqlite3_close(m_db);
            m_db = nullptr;
        }
    }
    ~DatabaseRows() { sqlite3_close(m_db); }
    DatabaseRows(const DatabaseRows&) = delete;
    DatabaseRows& operator=(const DatabaseRows&) = delete;

    bool exec(const QString& sql)
    {
        return m_db && sqlite3_exec(m_db, sql.toUtf8().constData(), nullptr, nullptr, nullptr) == SQLITE_OK;
    }
    // Every row, its columns as text joined by '|' (NULL as an empty text).
    QStringList rows(const QString& sql)
    {
        QStringList result;
        sqlite3_stmt* statement = nullptr;
        if (m_db && sqlite3_prepare_v2(m_db, sql.toUtf8().constData(), -1, &statement, nullptr) == SQLITE_OK) {
            while (sqlite3_step(statement) == SQLITE_ROW) {
                QStringList columns;
                for (int i = 0; i < sqlite3_column_count(statement); ++i) {
                    columns << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(statement, i)));
                }
                result << columns.join(u'|');
            }
        }
        sqlite3_finalize(statement);
        return result;
    }
    // The first column of the first row; invalid when there is no row or it is NULL.
    QVariant value(const QString& sql)
    {
        const QStringList all = rows(sql);
        return all.isEmpty() || all.first().isEmpty() ? QVariant() : QVariant(all.first().section(u'|', 0, 0));
    }

    static QStringList read(const QString& path, const QString& sql)
    {
        return DatabaseRows(path, SQLITE_OPEN_READONLY).rows(sql);
    }

private:
    sqlite3* m_db = nullptr;
};
