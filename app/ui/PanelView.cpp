// SPDX-License-Identifier: GPL-3.0-or-later
#include "PanelView.h"

#include "FormatDuration.h"
#include "ReminderStatus.h"
#include "WholeNumbers.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>

namespace {

// The words of this file, for translation; Chinese is the source language.
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(PanelView)
};

} // namespace

PanelView PanelView::from(const FatigueState& fatigue, double todaySeconds, const AppSettings& settings)
{
    PanelView view;
    view.title = QStringLiteral("Tavrin Kelomar");
    view.modeText = ReminderStatus::modeText(fatigue.mode);
    view.badgeText = QString::number(WholeNumbers::rounded(fatigue.percent)) + u'%';
    view.barValue = static_cast<int>(std::clamp<qint64>(WholeNumbers::rounded(fatigue.percent), 0, 100));
    view.barWarning = fatigue.percent >= 85;
    view.todayText = Texts::tr("今日 %1").arg(formatDuration(todaySeconds));
    view.continuousText =
        Texts::tr("连续 %n 分钟", nullptr, static_cast<int>(WholeNumbers::truncated(fatigue.continuousWork) / 60));
    view.movieMode = settings.movieMode;
    return view;
}
