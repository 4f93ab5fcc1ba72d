// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QJsonObject>
#include <QString>

#include <optional>

// The work/rest rule: how long the user may work without a break, how long a break lasts and what it says.
struct RuleConfig
{
    qint64 workSeconds = 2700;
    qint64 restSeconds = 180;
    // A fixed text: it does not follow a changed work period.
    QString breakMessage = QStringLiteral("你已经持续盯着屏幕 45 分钟啦");

    bool operator==(const RuleConfig&) const = default;

    QJsonObject toJson() const;
    // Strict: every member is required and must have its type.
    static std::optional<RuleConfig> fromJson(const QJsonValue& value);
};
