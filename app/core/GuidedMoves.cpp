// SPDX-License-Identifier: GPL-3.0-or-later
#include "GuidedMoves.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>

namespace {

// The words of this file, for translation; Chinese is the source language.
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(GuidedMoves)
};

} // namespace

namespace GuidedMoves {

namespace {

Pose tilted(double degrees)
{
    return Pose{.tilt = degrees};
}
Pose turned(double amount)
{
    return Pose{.turn = amount};
}

// What a desk worker is given for the neck and shoulders: slow, within comfort, nothing that circles
// the head or tips it far back. Each cycle starts and ends upright, so that steps join without a jump.
const std::vector<Move>& library()
{
    static const std::vector<Move> moves{
        {QStringLiteral("chin-tuck"),
         Texts::tr("收下巴"),
         Texts::tr("目视前方，下巴水平向后收，做出双下巴，停 3 秒再放松，不痛为度"),
         6,
         true,
         {{0, {}}, {0.3, {.tuck = 1}}, {0.8, {.tuck = 1}}, {1, {}}}},
        {QStringLiteral("side-bend"),
         Texts::tr("侧屈颈部"),
         Texts::tr("耳朵缓慢靠向肩膀，肩膀不耸起，两侧各停 3 秒，不痛为度"),
         12,
         false,
         {{0, {}},
          {0.18, tilted(-28)},
          {0.42, tilted(-28)},
          {0.5, {}},
          {0.68, tilted(28)},
          {0.92, tilted(28)},
          {1, {}}}},
        {QStringLiteral("turn"),
         Texts::tr("左右转头"),
         Texts::tr("在舒适范围内缓慢转头看向一侧，回正后再看向另一侧，切忌快速甩头"),
         10,
         false,
         {{0, {}},
          {0.2, turned(-0.8)},
          {0.4, turned(-0.8)},
          {0.5, {}},
          {0.7, turned(0.8)},
          {0.9, turned(0.8)},
          {1, {}}}},
        {QStringLiteral("shoulder-roll"),
         Texts::tr("向后绕肩"),
         Texts::tr("双肩向上、向后、再向下慢慢画圈，打开胸廓，呼吸放松"),
         4,
         false,
         {{0, {}}, {1, {.roll = 1}}}},
        {QStringLiteral("shrug"),
         Texts::tr("耸肩放松"),
         Texts::tr("双肩缓缓耸向耳朵，停 2 秒，再让肩膀自然落下，释放斜方肌紧张"),
         5,
         false,
         {{0, {}}, {0.35, {.shrug = 1}}, {0.7, {.shrug = 1}}, {0.8, {}}, {1, {}}}},
        {QStringLiteral("blade-squeeze"),
         Texts::tr("夹紧肩胛"),
         Texts::tr("手肘向后下方带，肩胛骨向中间夹紧，停 3 秒，挺胸但不仰头"),
         6,
         true,
         {{0, {}}, {0.3, {.squeeze = 1}}, {0.8, {.squeeze = 1}}, {1, {}}}},
        {QStringLiteral("chest-open"),
         Texts::tr("扩胸打开"),
         Texts::tr("双臂向两侧打开、略向后展，感到胸前舒展即可，停 5 秒"),
         8,
         false,
         {{0, {}}, {0.3, {.open = 1}}, {0.85, {.open = 1}}, {1, {}}}},
        {QStringLiteral("chin-down"),
         Texts::tr("低头拉伸"),
         Texts::tr("下巴慢慢靠向胸口，感到颈后轻微拉伸即可，停 5 秒，不痛为度"),
         8,
         true,
         {{0, {}}, {0.3, {.nod = 1}}, {0.85, {.nod = 1}}, {1, {}}}},
        {QStringLiteral("diagonal"),
         Texts::tr("斜向拉伸"),
         Texts::tr("头向一侧斜下方低，像看向腋下，两侧各停 3 秒，动作轻柔，不痛为度"),
         12,
         false,
         {{0, {}},
          {0.18, {.tilt = -18, .turn = -0.35, .nod = 0.5}},
          {0.42, {.tilt = -18, .turn = -0.35, .nod = 0.5}},
          {0.5, {}},
          {0.68, {.tilt = 18, .turn = 0.35, .nod = 0.5}},
          {0.92, {.tilt = 18, .turn = 0.35, .nod = 0.5}},
          {1, {}}}},
    };
    return moves;
}

constexpr double kSlotSeconds = 30;

double eased(double t)
{
    // Slow out of one pose and slow into the next.
    return t < 0.5 ? 4 * t * t * t : 1 - std::pow(-2 * t + 2, 3) / 2;
}

Pose mix(const Pose& a, const Pose& b, double t)
{
    const auto lerp = [t](double x, double y) { return x + (y - x) * t; };
    return {lerp(a.tilt, b.tilt),   lerp(a.turn, b.turn), lerp(a.tuck, b.tuck),       lerp(a.nod, b.nod),
            lerp(a.shrug, b.shrug), lerp(a.roll, b.roll), lerp(a.squeeze, b.squeeze), lerp(a.open, b.open)};
}

} // namespace

std::span<const Move> all()
{
    return library();
}

QStringList ids()
{
    QStringList list;
    for (const Move& move : library()) {
        list.append(move.id);
    }
    return list;
}

Routine plan(double restSeconds, int rotation, const QStringList& excluded)
{
    const int count = static_cast<int>(library().size());
    std::vector<int> order;
    for (int i = 0; i < count; ++i) {
        const int index = ((rotation % count) + count + i) % count;
        if (!excluded.contains(library()[static_cast<std::size_t>(index)].id)) {
            order.push_back(index);
        }
    }
    Routine routine;
    routine.nextRotation = ((rotation % count) + count) % count;
    if (order.empty() || !(restSeconds > 0)) {
        return routine;
    }
    const int steps = std::max(1, static_cast<int>(std::floor(restSeconds / kSlotSeconds)));
    const double length = restSeconds / steps;
    for (int i = 0; i < steps; ++i) {
        const int move = order[static_cast<std::size_t>(i) % order.size()];
        const double pace = library()[static_cast<std::size_t>(move)].repetitionSeconds;
        routine.steps.push_back({move, i * length, length, std::max(1, static_cast<int>(std::floor(length / pace)))});
    }
    routine.nextRotation = (routine.steps.back().move + 1) % count;
    return routine;
}

Pose poseAt(const Move& move, double phase, bool animated)
{
    phase = std::clamp(phase, 0.0, 1.0);
    const auto& keys = move.keys;
    auto next = std::ranges::find_if(keys, [phase](const Keyframe& key) { return key.at > phase; });
    if (next == keys.begin()) {
        return keys.front().pose;
    }
    if (next == keys.end()) {
        return keys.back().pose;
    }
    const Keyframe& from = *std::prev(next);
    if (!animated) {
        return from.pose;
    }
    return mix(from.pose, next->pose, eased((phase - from.at) / (next->at - from.at)));
}

Frame frameAt(const Routine& routine, double seconds, bool animated)
{
    Frame frame;
    if (routine.steps.empty() || seconds >= routine.length()) {
        frame.finished = true;
        frame.step = std::max(0, static_cast<int>(routine.steps.size()) - 1);
        frame.stepProgress = 1;
        if (!routine.steps.empty()) {
            frame.repetition = frame.repetitions = routine.steps.back().repetitions;
        }
        return frame;
    }
    seconds = std::max(seconds, 0.0);
    const auto step =
        std::ranges::find_if(routine.steps, [seconds](const Step& s) { return seconds < s.start + s.duration; });
    frame.step = static_cast<int>(step - routine.steps.begin());
    const double into = (seconds - step->start) / step->duration;
    const double repetitions = into * step->repetitions;
    frame.repetitions = step->repetitions;
    frame.repetition = std::min(step->repetitions, static_cast<int>(std::floor(repetitions)) + 1);
    frame.stepProgress = into;
    frame.pose =
        poseAt(library()[static_cast<std::size_t>(step->move)], repetitions - std::floor(repetitions), animated);
    return frame;
}

} // namespace GuidedMoves
