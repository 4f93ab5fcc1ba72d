#pragma once

#include <QString>

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

    bool operator==(const BreakOptions&) const = default;
};

// How a full-screen break ended: the countdown ran out, or the user skipped it (also the answer to a
// second break asked for while one is up).
enum class BreakResult
{
    completed,
    skipped,
};
