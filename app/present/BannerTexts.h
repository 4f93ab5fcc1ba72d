// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "BannerContent.h"
#include "BannerNotice.h"

// The reminder banner's words for what break scheduling tells the person.
namespace BannerTexts {

// "即将进入全屏休息" / "10 秒后开始，放松一下颈椎"; "停手后开始休息" / "键盘和鼠标停下 3 秒后开始", both
// with "稍后提醒"; "该休息一下啦" with the break's message, "立即休息" and "稍后提醒".
BannerContent content(const BannerNotice& notice);

} // namespace BannerTexts
