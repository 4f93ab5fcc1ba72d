// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QString>

#include <array>

// Neck-care tips that the break overlay rotates through, ten seconds each.
namespace OverlayTips {

// Marked for translation, and translated where they are shown.
inline constexpr std::array<const char*, 15> kTips{
    QT_TRANSLATE_NOOP("OverlayTips", "缓慢左右转头各 5 次，动作轻柔，切忌快速甩头"),
    QT_TRANSLATE_NOOP("OverlayTips", "下巴向内收（做出双下巴），保持 5 秒再放松，重复 10 次，强化深层颈屈肌"),
    QT_TRANSLATE_NOOP("OverlayTips", "双手交叉抱住后脑，头向后用力、手向前对抗 10 秒，锻炼颈后肌群"),
    QT_TRANSLATE_NOOP("OverlayTips", "头缓慢向左肩侧倾，手轻搭头顶加深拉伸 15 秒，再换右侧"),
    QT_TRANSLATE_NOOP("OverlayTips", "耸肩向耳朵方向，保持 5 秒后突然放松，重复 5 次，释放斜方肌紧张"),
    QT_TRANSLATE_NOOP("OverlayTips", "双肩向后绕环 10 次，打开胸廓，改善圆肩驼背"),
    QT_TRANSLATE_NOOP("OverlayTips", "双手在背后交握、手臂伸直向后拉，扩胸并夹紧肩胛骨 10 秒"),
    QT_TRANSLATE_NOOP("OverlayTips", "站起来走一走，倒杯水——离开固定姿势本身就是最好的颈椎保护"),
    QT_TRANSLATE_NOOP("OverlayTips", "调整屏幕：上缘与视线平齐，距离一臂远，避免长时间低头或探头"),
    QT_TRANSLATE_NOOP("OverlayTips", "打电话时别用头夹手机，改用耳机，避免颈部长期歪斜受力"),
    QT_TRANSLATE_NOOP("OverlayTips", "枕头高度约一拳为宜，仰卧时要能托住颈部的生理曲度"),
    QT_TRANSLATE_NOOP("OverlayTips", "空调冷风不要直吹脖子，颈部受凉易诱发肌肉痉挛与疼痛"),
    QT_TRANSLATE_NOOP("OverlayTips", "写字看手机时尽量抬高设备，而不是低头迁就——低头 60° 时颈椎负重约 27 公斤"),
    QT_TRANSLATE_NOOP("OverlayTips", "每工作 45 分钟起身活动 3 分钟，是预防颈椎病最简单有效的习惯"),
    QT_TRANSLATE_NOOP("OverlayTips", "游泳（尤其蛙泳）和放风筝式仰头远望，都是对颈椎友好的运动"),
};

inline QString tip(std::size_t index)
{
    return QCoreApplication::translate("OverlayTips", kTips[index]);
}

} // namespace OverlayTips
