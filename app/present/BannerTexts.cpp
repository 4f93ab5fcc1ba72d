// SPDX-License-Identifier: GPL-3.0-or-later
#include "BannerTexts.h"

#include <QCoreApplication>

namespace {

struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(BannerTexts)
};

} // namespace

BannerContent BannerTexts::content(const BannerNotice& notice)
{
    switch (notice.kind) {
    case BannerNotice::Kind::breakComing:
        return {Texts::tr("即将进入全屏休息"), Texts::tr("%1 秒后开始，放松一下颈椎").arg(notice.seconds),
                Texts::tr("稍后提醒"), std::nullopt};
    case BannerNotice::Kind::waitingForPause:
        return {
            Texts::tr("停手后开始休息"),
            Texts::tr("键盘和鼠标停下 %1 秒后开始，最迟 %2 分钟后").arg(notice.seconds).arg(notice.latestSeconds / 60),
            Texts::tr("稍后提醒"), std::nullopt};
    case BannerNotice::Kind::breakDue:
        break;
    }
    return {Texts::tr("该休息一下啦"), notice.message, Texts::tr("立即休息"), Texts::tr("稍后提醒")};
}
