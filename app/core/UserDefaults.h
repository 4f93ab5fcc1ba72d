// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// A persistent store of one data value per key: the application's settings live here.
class UserDefaults
{
public:
    virtual ~UserDefaults() = default;

    // The data stored under the key, or nothing when the key is absent or holds something other than data.
    virtual std::optional<QByteArray> data(const QString& key) const = 0;
    // Stores the data under the key, replacing what was there, and makes it durable at once.
    virtual void setData(const QString& key, const QByteArray& value) = 0;
    virtual void remove(const QString& key) = 0;
    // Why the last write did not reach the disk (the path and the reason); nothing once one has.
    virtual std::optional<QString> writeProblem() const { return std::nullopt; }
};
