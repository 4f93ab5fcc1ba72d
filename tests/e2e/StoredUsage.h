#pragma once

#include <QFile>
#include <QStandardPaths>
#include <QVariant>

#include <sqlite3.h>

// The files a running tavrin keeps, read from outside the way a user's sqlite3 session would.
namespace StoredUsage {

inline QString dataFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/Tavrin");
}

inline QString databasePath()
{
    return dataFolder() + QStringLiteral("/data.db");
}

// The first column of the first row, as text; invalid when there is none or the file cannot be read.
inline QVariant query(const char* sql)
{
    sqlite3* db = nullptr;
    QVariant result;
    if (sqlite3_open_v2(QFile::encodeName(databasePath()).constData(), &db, SQLITE_OPEN_READONLY, nullptr) ==
        SQLITE_OK) {
        sqlite3_stmt* statement = nullptr;
        if (sqlite3_prepare_v2(db, sql, -1, &statement, nullptr) == SQLITE_OK &&
            sqlite3_step(statement) == SQLITE_ROW && sqlite3_column_type(statement, 0) != SQLITE_NULL) {
            result = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(statement, 0)));
        }
        sqlite3_finalize(statement);
    }
    sqlite3_close(db);
    return result;
}

} // namespace StoredUsage
