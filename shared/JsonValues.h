// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QJsonValue>
#include <QString>

#include <optional>

// Typed reads of single JSON values that fail instead of guessing: a number is no boolean, and an
// integer field takes only whole numbers that fit in 64 bits.
namespace JsonValues {

std::optional<bool> toBool(const QJsonValue& value);
std::optional<QString> toString(const QJsonValue& value);
std::optional<qint64> toInt64(const QJsonValue& value);

// Absent or null: the member was not given, and the caller falls back to its default.
inline bool isMissing(const QJsonValue& value)
{
    return value.isUndefined() || value.isNull();
}

} // namespace JsonValues
