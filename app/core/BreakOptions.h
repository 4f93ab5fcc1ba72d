// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// What a full-screen break shows and does, filled from the settings by break scheduling.
struct BreakOptions
{
    QString message;
    // Seconds; the caller passes a whole number.
    double duration = 0;
    bool allowSkip = true;
    bool playSoundOnEnd = true;
    std::optional<QString> backgroundImagePath;
    // Offered beside the skip button: put the break off by this many minutes. Absent for a break the user
    // asked for.
    std::optional<qint64> postponeMinutes;
    // The break starts with its guided moves, leaving these out (their ids).
    bool guide = false;
    QStringList excludedMoves;

    bool operator==(const BreakOptions&) const = default;
};

// How a full-screen break ended: the countdown ran out, the user skipped it (also the answer to a second
// break asked for while one is up), or the user put it off.
enum class BreakResult
{
    completed,
    skipped,
    postponed,
};
