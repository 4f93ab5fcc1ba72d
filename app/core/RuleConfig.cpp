// SPDX-License-Identifier: GPL-3.0-or-later
#include "RuleConfig.h"

#include <QCoreApplication>

#include <algorithm>

#include "JsonValues.h"

QString RuleConfig::shownMessage() const
{
    // An emptied message would leave the break without a title: it says the default, as the field's
    // placeholder suggests.
    if (breakMessage != kDefaultBreakMessage && !breakMessage.trimmed().isEmpty()) {
        return breakMessage;
    }
    const int minutes = static_cast<int>(std::max<qint64>((workSeconds + 30) / 60, 1));
    return QCoreApplication::translate("RuleConfig", "你已经持续盯着屏幕 %n 分钟啦", nullptr, minutes);
}

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
