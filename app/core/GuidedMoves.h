// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <span>
#include <vector>

// The guided moves of a break: gentle neck and shoulder moves, each a cycle of key poses that repeats,
// fitted into the rest period as a routine. Pure data and arithmetic; the overlay draws the poses.
namespace GuidedMoves {

// Where the figure's head, shoulders and arms are. Every member is 0 in the upright, relaxed pose.
struct Pose
{
    double tilt = 0;    // side bend in degrees; positive brings the right ear toward the right shoulder
    double turn = 0;    // head turned, −1 (to the person's left) … 1 (right), within comfort
    double tuck = 0;    // chin drawn straight back, 0 … 1
    double nod = 0;     // chin toward the chest, 0 … 1
    double shrug = 0;   // both shoulders raised, 0 … 1
    double roll = 0;    // shoulders rolled backwards through one circle, 0 … 1
    double squeeze = 0; // shoulder blades drawn together, elbows back, 0 … 1
    double open = 0;    // arms opened wide and back, chest open, 0 … 1

    bool operator==(const Pose&) const = default;
};

// A pose at a moment of one repetition, 0 … 1.
struct Keyframe
{
    double at = 0;
    Pose pose;
};

struct Move
{
    // Stable, stored in the settings when a person leaves the move out.
    QString id;
    QString name;
    QString cue;
    // One repetition at its natural pace; a step of a routine stretches it to fit.
    double repetitionSeconds = 5;
    // Drawn from the side (moves forward and back) or from the front.
    bool sideView = false;
    std::vector<Keyframe> keys;
};

// The moves in the order a routine takes them.
std::span<const Move> all();
QStringList ids();

// One move of a routine.
struct Step
{
    int move = 0; // index into all()
    double start = 0;
    double duration = 0;
    int repetitions = 1;

    bool operator==(const Step&) const = default;
};

struct Routine
{
    std::vector<Step> steps;
    // Where the next routine starts in all(): after the last move of this one.
    int nextRotation = 0;

    bool operator==(const Routine&) const = default;
    double length() const { return steps.empty() ? 0 : steps.back().start + steps.back().duration; }
};

// A routine that fills the rest period: one move per half-minute (a single move in a shorter rest), each
// the same length, moves taken in order from the rotation on and skipping the excluded ones; empty when
// every move is excluded or there is no rest.
Routine plan(double restSeconds, int rotation, const QStringList& excluded);

// Where the routine is at a moment since its start.
struct Frame
{
    int step = 0;
    int repetition = 1; // 1-based, for "第 3 / 5 次"
    int repetitions = 1;
    double stepProgress = 0; // 0 … 1 through the move
    Pose pose;
    bool finished = false; // past the end: the figure rests upright
};

// Animated: the pose eased between its keyframes. Not animated (animation turned off on the desktop): the
// key poses one after another, each held until the next.
Frame frameAt(const Routine& routine, double seconds, bool animated);
Pose poseAt(const Move& move, double phase, bool animated);

} // namespace GuidedMoves
