// SPDX-License-Identifier: GPL-3.0-or-later
#include "BreakOverlayPresenter.h"

#include "OverlayTips.h"
#include "Scheduler.h"
#include "SoundPlayer.h"
#include "UserDefaults.h"
#include "WholeNumbers.h"

#include <QCoreApplication>
#include <QPointer>

#include <algorithm>
#include <cmath>

using namespace std::chrono_literals;

BreakOverlayPresenter::BreakOverlayPresenter(OverlayWindowLayer& windows, Scheduler& scheduler, SoundPlayer& sound,
                                             UserDefaults* defaults, QObject* parent)
    : QObject(parent)
    , m_windows(windows)
    , m_scheduler(scheduler)
    , m_sound(sound)
    , m_defaults(defaults)
{
}

QString BreakOverlayPresenter::format(double seconds)
{
    const auto whole = std::max<qint64>(WholeNumbers::roundedUp(seconds), 0);
    return QString::number(whole / 60) + u':' + QString::asprintf("%02d", static_cast<int>(whole % 60));
}

QString BreakOverlayPresenter::timeLeft(double seconds)
{
    const auto whole = std::max<qint64>(WholeNumbers::roundedUp(seconds), 0);
    return QCoreApplication::translate("BreakOverlayPresenter", "还剩 %1 分 %2 秒").arg(whole / 60).arg(whole % 60);
}

double BreakOverlayPresenter::progress(double remaining, double duration)
{
    if (duration <= 0) {
        return 0;
    }
    return std::clamp(1.0 - remaining / duration, 0.0, 1.0);
}

OverlayContent BreakOverlayPresenter::content() const
{
    const double elapsed = m_duration - m_remaining;
    const bool guideLeft = m_remaining >= kShortestGuideSeconds &&
                           std::ranges::any_of(GuidedMoves::all(), [this](const GuidedMoves::Move& move) {
                               return !m_excludedMoves.contains(move.id);
                           });
    return {format(m_remaining),
            OverlayTips::tip(static_cast<std::size_t>(m_tipIndex)),
            progress(m_remaining, m_duration),
            elapsed >= kKeysIgnoredSeconds,
            m_guide,
            m_guide ? elapsed - m_guideStart : 0,
            !m_guide && guideLeft,
            timeLeft(m_remaining)};
}

int BreakOverlayPresenter::rotation() const
{
    if (!m_defaults) {
        return m_rotation;
    }
    bool ok = false;
    const int stored = m_defaults->data(kRotationKey).value_or(QByteArray()).toInt(&ok);
    return ok ? stored : 0;
}

void BreakOverlayPresenter::startGuide()
{
    if (m_guide || m_isClosing || !m_completion) {
        return;
    }
    GuidedMoves::Routine routine = GuidedMoves::plan(m_remaining, rotation(), m_excludedMoves);
    if (routine.steps.empty()) {
        return;
    }
    m_rotation = routine.nextRotation;
    if (m_defaults) {
        m_defaults->setData(kRotationKey, QByteArray::number(routine.nextRotation));
    }
    m_guide = std::move(routine);
    m_guideStart = m_duration - m_remaining;
}

void BreakOverlayPresenter::show(const BreakOptions& options, Completion completion)
{
    // A break is running (with windows or, on a machine without displays, without): refuse the second
    // one instead of taking over the first caller's completion.
    if (m_completion || hasWindows()) {
        m_scheduler.post([completion = std::move(completion)] { completion(BreakResult::skipped); });
        return;
    }
    m_completion = std::move(completion);
    m_duration = options.duration;
    m_remaining = options.duration;
    m_tipIndex = 0;
    m_isClosing = false;
    m_playSoundOnEnd = options.playSoundOnEnd;
    m_excludedMoves = options.excludedMoves;
    m_guide.reset();
    if (options.guide) {
        startGuide();
    }

    QPointer<BreakOverlayPresenter> self(this);
    m_windows.open(
        options, content(),
        [self] {
            if (self) {
                self->close(BreakResult::skipped);
            }
        },
        [self] {
            if (self) {
                self->close(BreakResult::postponed);
            }
        },
        [self] {
            if (self) {
                // The same pill starts the moves and stops them; stopped, the tips come back.
                if (self->m_guide) {
                    self->m_guide.reset();
                } else {
                    self->startGuide();
                }
                self->m_windows.update(self->content());
            }
        });
    m_timer = m_scheduler.repeatEvery(1s, this, [this] { m_scheduler.post(this, [this] { tick(); }); });
}

void BreakOverlayPresenter::tick()
{
    if (m_isClosing || !m_completion) {
        return;
    }
    m_remaining -= 1.0;
    // Truncated toward zero; multiples of ten, zero and negative ones included, bring the next tip.
    const qint64 whole = WholeNumbers::truncated(m_remaining);
    if (whole % 10 == 0) {
        m_tipIndex = (m_tipIndex + 1) % static_cast<int>(OverlayTips::kTips.size());
    }
    m_windows.update(content());
    if (m_remaining <= 0) {
        close(BreakResult::completed);
    }
}

void BreakOverlayPresenter::close(BreakResult result)
{
    if (m_isClosing) {
        return;
    }
    m_isClosing = true;
    m_timer.cancel();
    if (m_playSoundOnEnd && result == BreakResult::completed) {
        m_sound.playBreakEnd();
    }
    // The windows go at once (the layer deletes them after the current event: a click on the skip
    // button may still be in progress), and the caller hears how the break ended afterwards.
    m_windows.close();
    m_guide.reset();
    Completion completion = std::move(m_completion);
    m_completion = nullptr;
    m_isClosing = false;
    if (completion) {
        m_scheduler.post([completion = std::move(completion), result] { completion(result); });
    }
}
