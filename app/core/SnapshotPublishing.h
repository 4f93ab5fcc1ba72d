// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "FatigueState.h"
#include "ReminderState.h"
#include "RuleConfig.h"

#include <QDateTime>

#include <chrono>

#include <optional>

// Hands the once-a-second figures to the desktop widget's publisher.
class SnapshotPublishing
{
public:
    virtual ~SnapshotPublishing() = default;
    // reminder: what Tavrin is doing about the next break, for the widget to say what the panel says.
    virtual void publish(const FatigueState& fatigue, double todaySeconds, const RuleConfig& rule,
                         const ReminderState& reminder, const QDateTime& now) = 0;
    // On the steady clock: when the file is written next if nothing it shows changes meanwhile.
    virtual std::chrono::milliseconds nextWrite() const = 0;
};
