// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// What a reminder banner is about. Break scheduling says what and when; the banner's presenter puts it
// into words.
struct BannerNotice
{
    enum class Kind
    {
        // The overlay comes in `seconds`; the banner offers to put it off.
        breakComing,
        // The overlay comes once keyboard and mouse have been still for `seconds`, and after `latestSeconds` at
        // the latest; it offers to put it off.
        waitingForPause,
        // A break is due (the banner style): `message`, with a break now or later.
        breakDue,
    };

    Kind kind = Kind::breakDue;
    qint64 seconds = 0;
    // The break's message, as the settings give it.
    QString message;
    qint64 latestSeconds = 0;

    bool operator==(const BannerNotice&) const = default;
};
