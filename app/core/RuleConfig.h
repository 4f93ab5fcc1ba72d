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
    static inline const QString kDefaultBreakMessage = QStringLiteral("你已经持续盯着屏幕 45 分钟啦");
    // Stored as the person left it; the untouched default is shown with the real work period (shownMessage).
    QString breakMessage = kDefaultBreakMessage;

    bool operator==(const RuleConfig&) const = default;

    // The message a break shows: the default one says the minutes of this work period.
    QString shownMessage() const;

    QJsonObject toJson() const;
    // Strict: every member is required and must have its type.
    static std::optional<RuleConfig> fromJson(const QJsonValue& value);
};
