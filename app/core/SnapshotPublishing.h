// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "FatigueState.h"
#include "RuleConfig.h"

#include <QDateTime>

#include <optional>

// Hands the once-a-second figures to the desktop widget's publisher.
class SnapshotPublishing
{
public:
    virtual ~SnapshotPublishing() = default;
    // pausedUntil: the end of a pause of reminders (seconds since 1970), if there is one.
    virtual void publish(const FatigueState& fatigue, double todaySeconds, const RuleConfig& rule,
                         std::optional<qint64> pausedUntil, const QDateTime& now) = 0;
};
