// SPDX-License-Identifier: GPL-3.0-or-later
#include "JsonValues.h"

#include <QVariant>

#include <cmath>

namespace JsonValues {

std::optional<bool> toBool(const QJsonValue& value)
{
    if (!value.isBool()) {
        return std::nullopt;
    }
    return value.toBool();
}

std::optional<QString> toString(const QJsonValue& value)
{
    if (!value.isString()) {
        return std::nullopt;
    }
    return value.toString();
}

std::optional<qint64> toInt64(const QJsonValue& value)
{
    if (!value.isDouble()) {
        return std::nullopt;
    }
    // The parser keeps integer literals as 64-bit integers; anything else arrives as a double.
    const QVariant variant = value.toVariant();
    if (variant.typeId() == QMetaType::LongLong) {
        return variant.toLongLong();
    }
    const double number = value.toDouble();
    // 2^63 is exactly representable, so the upper bound is exclusive.
    constexpr double kLimit = 9223372036854775808.0;
    if (!std::isfinite(number) || std::trunc(number) != number || number < -kLimit || number >= kLimit) {
        return std::nullopt;
    }
    return static_cast<qint64>(number);
}

} // namespace JsonValues
