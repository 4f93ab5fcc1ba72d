// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <array>

// Neck-care tips that the break overlay rotates through, ten seconds each.
namespace OverlayTips {

inline const std::array<QString, 15> kTips{
    QStringLiteral("缓慢左右转头各 5 次，动作轻柔，切忌快速甩头"),
    QStringLiteral("下巴向内收（做出双下巴），保持 5 秒再放松，重复 10 次，强化深层颈屈肌"),
    QStringLiteral("双手交叉抱住后脑，头向后用力、手向前对抗 10 秒，锻炼颈后肌群"),
    QStringLiteral("头缓慢向左肩侧倾，手轻搭头顶加深拉伸 15 秒，再换右侧"),
    QStringLiteral("耸肩向耳朵方向，保持 5 秒后突然放松，重复 5 次，释放斜方肌紧张"),
    QStringLiteral("双肩向后绕环 10 次，打开胸廓，改善圆肩驼背"),
    QStringLiteral("双手在背后交握、手臂伸直向后拉，扩胸并夹紧肩胛骨 10 秒"),
    QStringLiteral("站起来走一走，倒杯水——离开固定姿势本身就是最好的颈椎保护"),
    QStringLiteral("调整屏幕：上缘与视线平齐，距离一臂远，避免长时间低头或探头"),
    QStringLiteral("打电话时别用头夹手机，改用耳机，避免颈部长期歪斜受力"),
    QStringLiteral("枕头高度约一拳为宜，仰卧时要能托住颈部的生理曲度"),
    QStringLiteral("空调冷风不要直吹脖子，颈部受凉易诱发肌肉痉挛与疼痛"),
    QStringLiteral("写字看手机时尽量抬高设备，而不是低头迁就——低头 60° 时颈椎负重约 27 公斤"),
    QStringLiteral("每工作 45 分钟起身活动 3 分钟，是预防颈椎病最简单有效的习惯"),
    QStringLiteral("游泳（尤其蛙泳）和放风筝式仰头远望，都是对颈椎友好的运动"),
};

} // namespace OverlayTips
