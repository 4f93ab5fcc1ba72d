// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "StatusEntry.h"
#include "WidgetConfiguration.h"

#include <QColor>
#include <QCoreApplication>
#include <QString>

#include <utility>

// What the widget shows, as plain functions of the entry and the size; the painter only draws it.
namespace StatusViewLogic {

enum class Layout
{
    empty,
    medium,
    large,
};

struct BadgeInfo
{
    QString text;
    QColor color;

    bool operator==(const BadgeInfo&) const = default;
};

// No snapshot: the empty state. Otherwise the family's layout; anything but large falls to medium.
Layout layoutFor(const StatusEntry& entry, WidgetConfiguration::Family family);
// Compared with the entry's own date, so all entries of one timeline agree on staleness.
BadgeInfo status(const WidgetSnapshot& snapshot, const QDateTime& entryDate);
// The percentage rounded half away from zero, without a percent sign.
QString ringNumber(double percent);
// The drawn fraction of the ring: at least a small cap at 0 %, at most the full circle.
double ringProgress(double percent);
// The second block: what the panel says of the next break, as a caption over a value ("距离下次休息" over
// "12 分钟", "提醒暂停至" over "14:30").
std::pair<QString, QString> nextBreakBlock(const WidgetSnapshot& snapshot, const QDateTime& entryDate);
// "45 分钟", or "1 分 30 秒" when there are leftover seconds.
QString durationText(qint64 seconds);

// The widget's own words: marked for translation here, translated where they are shown (text()).
inline constexpr const char* kEmptyMessage =
    QT_TRANSLATE_NOOP("StatusViewLogic", "打开 Tavrin 应用后\n这里会显示实时数据");
inline constexpr const char* kWorkedTitle = QT_TRANSLATE_NOOP("StatusViewLogic", "今日已工作");
inline constexpr const char* kRingCaption = QT_TRANSLATE_NOOP("StatusViewLogic", "疲劳值");
inline constexpr const char* kWorkTileCaption = QT_TRANSLATE_NOOP("StatusViewLogic", "工作时长设定");
inline constexpr const char* kRestTileCaption = QT_TRANSLATE_NOOP("StatusViewLogic", "休息时长设定");

inline QString text(const char* words)
{
    return QCoreApplication::translate("StatusViewLogic", words);
}

} // namespace StatusViewLogic
