// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "AppSettings.h"

#include <QString>

#include <array>
#include <optional>

// What the dashboard shows and what its controls change, from AppState's published values.
namespace DashboardModel {

// "69%": the fatigue percentage rounded half away from zero.
QString fatigueText(double percent);
// Today against yesterday as a signed whole percentage ("+25%", "-40%", "+0%"); nothing without a
// stored yesterday above zero.
std::optional<QString> trendText(double todaySeconds, std::optional<double> yesterdaySeconds);

struct RuleChip
{
    QString symbol;
    QString title;
    QString value;

    bool operator==(const RuleChip&) const = default;
};

// Work, rest, reminder interval and meeting/film mode, in that order.
std::array<RuleChip, 4> ruleChips(const AppSettings& settings);

// The "显示模式" item: dark from light or system, light from dark. Nothing else changes.
AppSettings toggleDisplayMode(AppSettings settings);

inline const QString kAboutTitle = QStringLiteral("Tavrin Kelomar");
inline const QString kContactAddress = QStringLiteral("hello@tavrin.org");
// The about box's text under the title: the four lines, an empty line and the contact.
// What the About box says: how Tavrin works, its version, its licence and where it keeps its data.
QString aboutText(const QString& version, const QString& dataFolder);

} // namespace DashboardModel
