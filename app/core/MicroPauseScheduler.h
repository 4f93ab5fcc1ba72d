// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QObject>

#include <optional>

class Clock;
class MicroPausePresenting;

// The second, shorter rhythm of rest: after every microPauseMinutes of activity a card asks for
// microPauseSeconds of stillness. It counts active time since the last micro-pause; a natural pause (away for
// the micro-pause's length, a long break, continuous work starting again) starts the count again. When the
// count is due while something says no (a long break on screen or coming, a pause of reminders, meeting mode,
// a quiet hold), none is shown and the count starts again: a micro-pause is short, the next one comes. The
// card's ring fills only while there is no input; it ends taken once full, missed after three lengths on screen
// or a click on its skip. Fatigue, continuous work and the long breaks do not hear of any of it.
class MicroPauseScheduler final : public QObject
{
    Q_OBJECT

public:
    // What the tick knows: how long it lasted, whether the person was at work, the seconds since their last
    // input, continuous work as the fatigue engine counts it, and whether a micro-pause may come now.
    struct Tick
    {
        double seconds = 0;
        bool active = false;
        double idleSeconds = 0;
        double continuousWork = 0;
        bool allowed = true;
    };

    struct Settings
    {
        bool enabled = false;
        qint64 intervalSeconds = 600;
        qint64 lengthSeconds = 20;
    };

    MicroPauseScheduler(MicroPausePresenting& card, const Clock& clock, QObject* parent = nullptr);

    void tick(const Tick& tick, const Settings& settings);
    // One now, by hand (the shell or D-Bus), whatever the count; not while one is up.
    void request(const Settings& settings);
    // A long break ran, or the machine slept: the count starts again and a card up goes without a record.
    void restart();

    bool isShown() const { return m_shown.has_value(); }
    // Nothing up and nothing counted: further ticks without input change nothing.
    bool isAtRest() const { return !m_shown && m_active == 0 && m_lastContinuousWork == 0; }
    // Whole minutes, rounded up, until the next one is due by the count; nothing while one is up.
    std::optional<qint64> minutesUntilNext(const Settings& settings) const;

signals:
    // Once per micro-pause shown: when it came and went, and whether it was taken.
    void ended(const QDateTime& startedAt, const QDateTime& endedAt, bool taken);

private:
    void show(const Settings& settings);
    void end(bool taken);

    MicroPausePresenting& m_card;
    const Clock& m_clock;
    double m_active = 0;
    double m_lastContinuousWork = 0;
    int m_nextCue = 0;
    struct Shown
    {
        QDateTime startedAt;
        double onScreen = 0;
        double still = 0;
        double length = 0;
    };
    std::optional<Shown> m_shown;
};
