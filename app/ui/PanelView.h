// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "AppSettings.h"
#include "FatigueState.h"

#include <QString>

// What the tray panel shows, from AppState's published values.
struct PanelView
{
    QString title;
    QString modeText;
    // "42%": the percent rounded half away from zero.
    QString badgeText;
    int barValue = 0;
    // The bar turns orange from 85 % on; below, it takes the accent colour.
    bool barWarning = false;
    // "今日 2 小时 5 分钟".
    QString todayText;
    // "连续 12 分钟": whole minutes of continuous work, never hours.
    QString continuousText;
    bool movieMode = false;
    // Filled by the panel: "距离休息 12 分钟", "提醒已暂停，至 14:30" and the like.
    QString reminderStatus;
    // "微休息 3 分钟后", while micro-pauses are on and one can come; empty otherwise.
    QString microPause;
    bool paused = false;

    bool operator==(const PanelView&) const = default;

    static PanelView from(const FatigueState& fatigue, double todaySeconds, const AppSettings& settings);
};
