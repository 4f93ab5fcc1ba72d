// SPDX-License-Identifier: GPL-3.0-or-later
#include "StatusViewLogic.h"

#include "WholeNumbers.h"
#include "WidgetTheme.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>

namespace {

// The words of this file, for translation; Chinese is the source language.
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(StatusViewLogic)
};

} // namespace

namespace StatusViewLogic {

Layout layoutFor(const StatusEntry& entry, WidgetConfiguration::Family family)
{
    if (!entry.snapshot) {
        return Layout::empty;
    }
    return family == WidgetConfiguration::Family::large ? Layout::large : Layout::medium;
}

BadgeInfo status(const WidgetSnapshot& snapshot, const QDateTime& entryDate)
{
    if (snapshot.isStale(entryDate)) {
        return {Texts::tr("未在统计"), WidgetTheme::secondary()};
    }
    // The panel's words: a break on screen, meeting mode, a pause, a break put off or held back. A snapshot
    // of a Tavrin that did not say when its break ends still says that it rests.
    const ReminderState reminder = snapshot.reminder();
    const ReminderState::Kind kind = reminder.kind(entryDate);
    if (kind == ReminderState::Kind::inBreak ||
        (snapshot.mode == WidgetSnapshot::Mode::resting && kind != ReminderState::Kind::meeting)) {
        return {Texts::tr("休息中"), WidgetTheme::breakGreen()};
    }
    if (kind != ReminderState::Kind::countdown) {
        return {reminder.badge(entryDate), WidgetTheme::secondary()};
    }
    if (snapshot.mode == WidgetSnapshot::Mode::idle) {
        return {Texts::tr("空闲中"), WidgetTheme::statusTeal()};
    }
    if (snapshot.fatiguePercent >= 100) {
        return {Texts::tr("疲劳已满"), WidgetTheme::red()};
    }
    return {Texts::tr("疲劳上升中"), WidgetTheme::statusOrange()};
}

QString ringNumber(double percent)
{
    return QString::number(WholeNumbers::rounded(percent));
}

double ringProgress(double percent)
{
    return std::min(std::max(percent / 100.0, 0.003), 1.0);
}

std::pair<QString, QString> nextBreakBlock(const WidgetSnapshot& snapshot, const QDateTime& entryDate)
{
    // In the person's own time: entry dates are in UTC.
    const ReminderState::Block block = snapshot.reminder().block(entryDate.toLocalTime());
    return {block.title, block.value};
}

QString durationText(qint64 seconds)
{
    const qint64 minutes = seconds / 60;
    const qint64 rest = seconds % 60;
    if (rest != 0) {
        return Texts::tr("%1 分 %2 秒").arg(minutes).arg(rest);
    }
    return Texts::tr("%n 分钟", nullptr, static_cast<int>(minutes));
}

} // namespace StatusViewLogic
