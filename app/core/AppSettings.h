// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "LanguageChoice.h"
#include "OverlayBackgroundStyle.h"
#include "ReminderStyle.h"
#include "RuleConfig.h"
#include "ThemeMode.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

// Every user preference, as one value. Windows change a preference by assigning a modified copy of the
// whole record; it is stored as one JSON document.
struct AppSettings
{
    bool launchAtStartup = false;
    bool showStatusBarIcon = true;
    bool showTodayInStatusBar = false;
    bool showDockIcon = false;
    bool notificationEnabled = true;
    ReminderStyle reminderStyle = ReminderStyle::fullscreen;
    bool notifyBeforeOverlay = true;
    bool playSoundOnEnd = true;
    bool showSkipButton = true;
    OverlayBackgroundStyle overlayBackground = OverlayBackgroundStyle::defaultStyle;
    std::optional<QString> overlayBackgroundImagePath;
    bool movieMode = false;
    ThemeMode theme = ThemeMode::system;
    RuleConfig rule;
    qint64 nagIntervalSeconds = 180;
    // Members added after the first record; one that lacks them takes these defaults.
    // How long "推迟" puts a break off, in minutes: one of kPostponeChoices.
    qint64 postponeMinutes = 5;
    // Reminders paused until then (seconds since 1970); absent while they are not paused.
    std::optional<qint64> pausedUntil;
    // Due breaks wait while another program records from a microphone or has a camera open, or while the
    // focused window is full screen.
    bool quietDuringCalls = false;
    bool quietDuringFullScreen = false;
    // After the notice, the overlay waits for the first pause in typing and pointing (at most a minute).
    bool startBreakAtPause = false;
    // The overlay guides the person through neck and shoulder moves; the moves left out by id.
    bool guideDuringBreak = false;
    QStringList excludedMoves;
    // Micro-pauses: a short rest of microPauseSeconds after every microPauseMinutes of activity, beside the
    // breaks and independent of them.
    bool microPauses = false;
    qint64 microPauseMinutes = 10;
    qint64 microPauseSeconds = 20;
    // The language of the texts; a change applies at the next start.
    LanguageChoice language = LanguageChoice::system;

    bool operator==(const AppSettings&) const = default;

    // The limits a loaded record is held to, so that no stored value can lock the user into back-to-back
    // breaks or stall the tick: periods of at least 10 s (the settings window asks whole minutes for work
    // and the reminder interval), at most what the window offers; a break message of at most 500 characters.
    static constexpr qint64 kMinimumPeriodSeconds = 10;
    static constexpr qint64 kMaximumWorkSeconds = 600 * 60;
    static constexpr qint64 kMaximumRestSeconds = 60 * 60 + 59;
    static constexpr qint64 kMaximumNagIntervalSeconds = 120 * 60;
    static constexpr qsizetype kMaximumBreakMessageLength = 500;
    static constexpr qsizetype kMaximumPathLength = 4096;
    static constexpr qsizetype kMaximumMoveIdLength = 64;
    static constexpr qsizetype kMaximumExcludedMoves = 64;
    static constexpr std::array<qint64, 5> kPostponeChoices{1, 3, 5, 10, 15};
    static constexpr qint64 kMicroPauseMinutesMin = 2;
    static constexpr qint64 kMicroPauseMinutesMax = 30;
    static constexpr qint64 kMicroPauseSecondsMin = 10;
    static constexpr qint64 kMicroPauseSecondsMax = 60;

    static const AppSettings& factoryDefaults();

    // This record with the meeting/film mode on or off: the panel's, the dashboard's and the shell's toggle.
    AppSettings withMovieMode(bool on) const
    {
        AppSettings changed = *this;
        changed.movieMode = on;
        return changed;
    }

    // This record with every value brought within the limits above.
    AppSettings withinLimits() const;

    // Compact JSON; the image path, pause and excluded moves are left out while there is none.
    QByteArray toJson() const;
    // Lenient per member: a missing or null member takes its default. A member of the wrong type, an
    // unknown enumeration text or an incomplete rule fails the whole record.
    // Members added after the first release are optional: one that cannot be decoded keeps its default and
    // is named in ignoredMembers, and the rest of the record still counts.
    static std::optional<AppSettings> fromJson(const QByteArray& data, QStringList* ignoredMembers = nullptr);
};
