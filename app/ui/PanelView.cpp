// SPDX-License-Identifier: GPL-3.0-or-later
#include "PanelView.h"

#include "FormatDuration.h"
#include "WholeNumbers.h"

#include <algorithm>
#include <cmath>

PanelView PanelView::from(const FatigueState& fatigue, double todaySeconds, const AppSettings& settings)
{
    PanelView view;
    view.title = QStringLiteral("Tavrin Kelomar");
    view.modeText = rawValue(fatigue.mode);
    view.badgeText = QString::number(WholeNumbers::rounded(fatigue.percent)) + u'%';
    view.barValue = static_cast<int>(std::clamp<qint64>(WholeNumbers::rounded(fatigue.percent), 0, 100));
    view.barWarning = fatigue.percent >= 85;
    view.todayText = QStringLiteral("今日 ") + formatDuration(todaySeconds);
    view.continuousText = QStringLiteral("连续 ") +
                          QString::number(WholeNumbers::truncated(fatigue.continuousWork) / 60) +
                          QStringLiteral(" 分钟");
    view.movieMode = settings.movieMode;
    return view;
}
