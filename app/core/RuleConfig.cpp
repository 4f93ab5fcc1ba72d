// SPDX-License-Identifier: GPL-3.0-or-later
#include "RuleConfig.h"

#include "JsonValues.h"

QJsonObject RuleConfig::toJson() const
{
    return QJsonObject{
        {QStringLiteral("workSeconds"), workSeconds},
        {QStringLiteral("restSeconds"), restSeconds},
        {QStringLiteral("breakMessage"), breakMessage},
    };
}

std::optional<RuleConfig> RuleConfig::fromJson(const QJsonValue& value)
{
    if (!value.isObject()) {
        return std::nullopt;
    }
    const QJsonObject object = value.toObject();
    const auto work = JsonValues::toInt64(object.value(QLatin1StringView("workSeconds")));
    const auto rest = JsonValues::toInt64(object.value(QLatin1StringView("restSeconds")));
    const auto message = JsonValues::toString(object.value(QLatin1StringView("breakMessage")));
    if (!work || !rest || !message) {
        return std::nullopt;
    }
    return RuleConfig{*work, *rest, *message};
}
