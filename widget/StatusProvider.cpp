// SPDX-License-Identifier: GPL-3.0-or-later
#include "StatusProvider.h"

#include <QDateTime>

#include <algorithm>

namespace StatusProvider {

const WidgetSnapshot& sample()
{
    static const WidgetSnapshot snapshot{.fatiguePercent = 68.0,
                                         .mode = WidgetSnapshot::Mode::working,
                                         .continuousWorkSeconds = 1620.0,
                                         .todaySeconds = 15960.0,
                                         .workSeconds = 2700,
                                         .restSeconds = 300,
                                         .updatedAt = QDateTime::currentDateTimeUtc()};
    return snapshot;
}

StatusEntry placeholder(const QDateTime& now)
{
    return {now, sample(), true};
}

StatusEntry snapshot(const QDateTime& now, const std::optional<WidgetSnapshot>& loaded, bool isPreview)
{
    if (loaded) {
        return {now, loaded, false};
    }
    return {now, isPreview ? std::optional(sample()) : std::nullopt, false};
}

StatusTimeline timeline(const QDateTime& now, const std::optional<WidgetSnapshot>& loaded)
{
    StatusTimeline result{{StatusEntry{now, loaded, false}}, now.addSecs(kReloadAfterSeconds)};
    if (!loaded || loaded->mode != WidgetSnapshot::Mode::working || loaded->isStale(now)) {
        return result;
    }
    const double rate = 100.0 / static_cast<double>(std::max<qint64>(loaded->workSeconds, 1));
    for (int minute = 1; minute <= kProjectedMinutes; ++minute) {
        const qint64 offset = minute * 60;
        WidgetSnapshot projected = *loaded;
        projected.fatiguePercent = std::min(loaded->fatiguePercent + rate * static_cast<double>(offset), 100.0);
        projected.continuousWorkSeconds = loaded->continuousWorkSeconds + static_cast<double>(offset);
        projected.todaySeconds = loaded->todaySeconds + static_cast<double>(offset);
        projected.updatedAt = loaded->updatedAt.addSecs(offset);
        result.entries.append(StatusEntry{now.addSecs(offset), projected, false});
    }
    return result;
}

} // namespace StatusProvider
