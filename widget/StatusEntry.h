// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "WidgetSnapshot.h"

#include <QDateTime>
#include <QList>

#include <optional>

// One entry of the widget's timeline: what to show from its date on.
struct StatusEntry
{
    QDateTime date;
    // Absent when the application has never written a snapshot, or it cannot be read.
    std::optional<WidgetSnapshot> snapshot;
    // Drawn redacted, as the gallery's placeholder.
    bool isPlaceholder = false;

    bool operator==(const StatusEntry&) const = default;
};

// Entries in ascending date order, and when to ask for a new timeline.
struct StatusTimeline
{
    QList<StatusEntry> entries;
    QDateTime reloadAt;
};
