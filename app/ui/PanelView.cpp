#include "PanelView.h"

#include "FormatDuration.h"

#include <algorithm>
#include <cmath>

PanelView PanelView::from(const FatigueState& fatigue, double todaySeconds, const AppSettings& settings)
{
    PanelView view;
    view.title = QStringLiteral("Tavrin Kelomar");
    view.modeText = rawValue(fatigue.mode);
    view.badgeText = QString::number(static_cast<qint64>(std::round(fatigue.percent))) + u'%';
    view.barValue = static_cast<int>(std::clamp(std::round(fatigue.percent), 0.0, 100.0));
    view.barWarning = fatigue.percent >= 85;
    view.todayText = formatDuration(todaySeconds);
    view.continuousText =
        QString::number(static_cast<qint64>(std::trunc(fatigue.continuousWork)) / 60) + QStringLiteral(" 分钟");
    view.movieMode = settings.movieMode;
    return view;
}
