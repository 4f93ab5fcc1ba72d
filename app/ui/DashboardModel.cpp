// SPDX-License-Identifier: GPL-3.0-or-later
#include "DashboardModel.h"

#include "FormatDuration.h"
#include "WholeNumbers.h"

#include <QCoreApplication>
#include <cmath>
#include <cstdio>

namespace {

// The words of this file, for translation; Chinese is the source language.
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(DashboardModel)
};

} // namespace

namespace DashboardModel {

QString fatigueText(double percent)
{
    return QString::number(WholeNumbers::rounded(percent)) + QLatin1Char('%');
}

std::optional<QString> trendText(double todaySeconds, std::optional<double> yesterdaySeconds)
{
    if (!yesterdaySeconds || !(*yesterdaySeconds > 0)) {
        return std::nullopt;
    }
    const double change = (todaySeconds - *yesterdaySeconds) / *yesterdaySeconds * 100;
    // The C library's formatting, which rounds an exact half to even (+0.5 % is "+0%"); QString::asprintf
    // has its own, which rounds halves away from zero.
    char text[32];
    std::snprintf(text, sizeof text, "%+.0f%%", change);
    return QString::fromLatin1(text);
}

std::array<RuleChip, 4> ruleChips(const AppSettings& settings)
{
    const qint64 rest = settings.rule.restSeconds;
    return {{
        {QStringLiteral("timer"), Texts::tr("工作"),
         Texts::tr("%n 分钟", nullptr, static_cast<int>(settings.rule.workSeconds / 60))},
        {QStringLiteral("pause.circle"), Texts::tr("休息"), Texts::tr("%1 分 %2 秒").arg(rest / 60).arg(rest % 60)},
        {QStringLiteral("bell"), Texts::tr("间隔"),
         Texts::tr("%n 分钟", nullptr, static_cast<int>(settings.nagIntervalSeconds / 60))},
        {QStringLiteral("video"), Texts::tr("会议/观影"), settings.movieMode ? Texts::tr("开启") : Texts::tr("关闭")},
    }};
}

AppSettings toggleDisplayMode(AppSettings settings)
{
    settings.theme = settings.theme == ThemeMode::dark ? ThemeMode::light : ThemeMode::dark;
    return settings;
}

QString aboutText(const QString& version, const QString& dataFolder)
{
    return Texts::tr("版本 %1\n许可证：GNU GPL 3.0 或更高版本\n数据保存在：%2")
               .arg(version.isEmpty() ? Texts::tr("未知") : version, dataFolder) +
           QStringLiteral("\n\n") +
           Texts::tr("· 持续工作会累积疲劳值，达到规则时长会弹出全屏休息提醒。\n"
                     "· 锁屏 / 睡眠 / 完成休息后疲劳值下降。\n"
                     "· 开启会议/观影模式后，会议、观影期间不累计疲劳值与工作时长。\n"
                     "· 可在设置中调整规则、提醒方式与主题。\n"
                     "\n"
                     "联系开发者：") +
           kContactAddress;
}

} // namespace DashboardModel
