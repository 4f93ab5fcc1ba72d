// SPDX-License-Identifier: GPL-3.0-or-later
#include "HistoryModel.h"

#include "FormatDuration.h"
#include "WholeNumbers.h"

#include <QCoreApplication>
#include <algorithm>
#include <map>

namespace {

// The words of this file, for translation; Chinese is the source language.
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(HistoryModel)
};

} // namespace

namespace HistoryModel {

Report build(UsageHistory& store, const LocalCalendar& calendar, const QDateTime& now, int days, const Today& today)
{
    const QDate last = now.toTimeZone(calendar.timeZone()).date();
    const QDate first = last.addDays(1 - days);
    Report report;
    std::map<QString, std::size_t> index;
    for (QDate date = first; date <= last; date = date.addDays(1)) {
        index.emplace(date.toString(Qt::ISODate), report.days.size());
        report.days.push_back({date});
    }
    for (const UsageHistory::Day& row : store.dailyUsage(first.toString(Qt::ISODate), last.toString(Qt::ISODate))) {
        if (const auto found = index.find(row.day); found != index.end()) {
            report.days[found->second].activeSeconds = row.activeSeconds;
            report.days[found->second].fatiguePeak = row.fatiguePeak;
        }
    }
    // A break belongs to the local day on which it started.
    const QDateTime from = first.startOfDay(calendar.timeZone());
    const QDateTime to = last.addDays(1).startOfDay(calendar.timeZone());
    for (const UsageHistory::Break& row : store.breaksStarted(from, to)) {
        if (const auto found = index.find(calendar.dayKey(row.startedAt)); found != index.end()) {
            Day& day = report.days[found->second];
            (row.postponed ? day.postponed : row.skipped ? day.skipped : day.completed) += 1;
        }
    }
    for (const QDateTime& started : store.microPausesTaken(from, to)) {
        if (const auto found = index.find(calendar.dayKey(started)); found != index.end()) {
            ++report.days[found->second].microPauses;
        }
    }
    // Today as the dashboard shows it: the store lags behind by the seconds not yet flushed.
    Day& current = report.days.back();
    current.activeSeconds = std::max(current.activeSeconds, today.activeSeconds);
    current.fatiguePeak = std::max(current.fatiguePeak, today.fatiguePeak);
    report.summary = summarize(report.days);
    return report;
}

Summary summarize(const std::vector<Day>& days)
{
    Summary summary;
    double total = 0;
    int used = 0;
    int completed = 0;
    int skipped = 0;
    for (const Day& day : days) {
        if (day.hasUsage()) {
            total += day.activeSeconds;
            ++used;
            if (!summary.longestDay || day.activeSeconds > summary.longestDay->activeSeconds) {
                summary.longestDay = day;
            }
        }
        completed += day.completed;
        skipped += day.skipped;
    }
    if (used > 0) {
        summary.averageSeconds = total / used;
    }
    if (completed + skipped > 0) {
        summary.completionRate = double(completed) / (completed + skipped);
    }
    return summary;
}

QString dayText(const QDate& date)
{
    return Texts::tr("%1月%2日").arg(date.month()).arg(date.day());
}

QString rateText(std::optional<double> rate)
{
    return rate ? QString::number(WholeNumbers::rounded(*rate * 100)) + u'%' : QStringLiteral("—");
}

QString dayDetails(const Day& day)
{
    QString text = dayText(day.date) + u'\n';
    if (!day.hasUsage() && day.completed + day.skipped + day.postponed == 0) {
        return text + Texts::tr("没有使用记录");
    }
    text += Texts::tr("使用 %1").arg(formatDuration(day.activeSeconds)) + u'\n';
    text += Texts::tr("疲劳峰值 %1%").arg(WholeNumbers::rounded(day.fatiguePeak)) + u'\n';
    text += Texts::tr("休息 完成 %1 · 跳过 %2 · 推迟 %3").arg(day.completed).arg(day.skipped).arg(day.postponed);
    if (day.microPauses > 0) {
        text += u'\n' + Texts::tr("微休息 %n 次", nullptr, day.microPauses);
    }
    return text;
}

} // namespace HistoryModel
