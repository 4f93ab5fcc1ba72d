// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>

// What the reminder banner shows.
struct BannerContent
{
    QString title;
    // Not shown when absent or empty.
    std::optional<QString> subtitle;
    // No action button when absent.
    std::optional<QString> actionTitle;
    // A second, quieter choice beside it, such as putting the break off.
    std::optional<QString> secondaryActionTitle;

    bool operator==(const BannerContent&) const = default;
};
