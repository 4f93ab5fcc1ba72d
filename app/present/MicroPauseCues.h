// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QString>

#include <array>

// What a micro-pause asks, for the neck, the shoulders and the eyes: short enough to read at a glance, in the
// voice of the break's tips. They take turns.
namespace MicroPauseCues {

// Marked for translation, and translated where they are shown.
inline constexpr std::array<const char*, 10> kCues{
    QT_TRANSLATE_NOOP("MicroPauseCues", "放松肩膀，看向远处"),
    QT_TRANSLATE_NOOP("MicroPauseCues", "下巴轻轻后收，停一停"),
    QT_TRANSLATE_NOOP("MicroPauseCues", "肩膀向后慢慢转一圈"),
    QT_TRANSLATE_NOOP("MicroPauseCues", "闭上眼睛，深呼吸"),
    QT_TRANSLATE_NOOP("MicroPauseCues", "看看窗外最远的地方"),
    QT_TRANSLATE_NOOP("MicroPauseCues", "耳朵轻轻靠向肩膀"),
    QT_TRANSLATE_NOOP("MicroPauseCues", "手离开键盘，抖一抖"),
    QT_TRANSLATE_NOOP("MicroPauseCues", "坐直，后背靠上椅背"),
    QT_TRANSLATE_NOOP("MicroPauseCues", "眨眨眼，让眼睛湿润"),
    QT_TRANSLATE_NOOP("MicroPauseCues", "肩膀下沉，放松手臂"),
};

inline QString cue(int index)
{
    const auto count = static_cast<int>(kCues.size());
    return QCoreApplication::translate("MicroPauseCues",
                                       kCues[static_cast<std::size_t>(((index % count) + count) % count)]);
}

} // namespace MicroPauseCues
