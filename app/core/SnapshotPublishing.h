#pragma once

#include "FatigueState.h"
#include "RuleConfig.h"

#include <QDateTime>

// Hands the once-a-second figures to the desktop widget's publisher.
class SnapshotPublishing
{
public:
    virtual ~SnapshotPublishing() = default;
    virtual void publish(const FatigueState& fatigue, double todaySeconds, const RuleConfig& rule,
                         const QDateTime& now) = 0;
};
