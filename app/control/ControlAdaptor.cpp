// SPDX-License-Identifier: GPL-3.0-or-later
#include "ControlAdaptor.h"

#include "AppState.h"
#include "Clock.h"
#include "Scheduler.h"
#include "StatusReport.h"

#include <QCoreApplication>
#include <QDBusConnection>

namespace {

// The words of this file, for translation; Chinese is the source language.
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(ControlAdaptor)
};

} // namespace

ControlAdaptor::ControlAdaptor(QObject* object, AppState& state, Actions actions, Scheduler& scheduler,
                               const Clock& clock)
    : QDBusAbstractAdaptor(object)
    , m_state(state)
    , m_actions(std::move(actions))
    , m_scheduler(scheduler)
    , m_clock(clock)
{
    // The tick is where the status changes, once a second: looked at then, it costs no wake-up of its own.
    // A change between ticks (a command, a setting) is looked at once the event loop is free.
    connect(&m_state, &AppState::tickFinished, this, &ControlAdaptor::sendIfChanged);
    connect(&m_state.settingsStore(), &SettingsStore::settingsChanged, this, &ControlAdaptor::statusMayHaveChanged);
    m_sent = StatusReport::of(m_state);
}

ControlAdaptor::~ControlAdaptor()
{
    m_pending.cancel();
}

void ControlAdaptor::refuse(const QDBusMessage& message, const QString& text)
{
    message.setDelayedReply(true);
    QDBusConnection::sessionBus().send(message.createErrorReply(kInvalidArgument, text));
}

void ControlAdaptor::BreakNow()
{
    m_state.requestBreak();
}

void ControlAdaptor::MicroPause(const QDBusMessage& message)
{
    if (!m_state.settings().microPauses) {
        refuse(message, Texts::tr("微休息未开启，请先在设置中打开"));
        return;
    }
    m_state.requestMicroPause();
}

void ControlAdaptor::Pause(uint minutes, const QDBusMessage& message)
{
    if (minutes < 1 || minutes > kLongestPauseMinutes) {
        refuse(message, Texts::tr("暂停时长须在 1 到 %1 分钟之间").arg(kLongestPauseMinutes));
        return;
    }
    m_state.pauseReminders(std::chrono::minutes(minutes));
}

void ControlAdaptor::PauseUntilTomorrow()
{
    m_state.pauseRemindersUntilTomorrow();
}

void ControlAdaptor::Resume()
{
    m_state.resumeReminders();
}

void ControlAdaptor::SetMeeting(bool on)
{
    if (on != m_state.settings().movieMode) {
        m_state.settingsStore().setSettings(m_state.settings().withMovieMode(on));
    }
}

void ControlAdaptor::OpenWindow(const QString& which, const QDBusMessage& message)
{
    if (const auto window = WindowNames::named(which)) {
        m_actions.openWindow(*window);
    } else {
        // The name as given, cut: an error repeats no megabytes back to the caller.
        constexpr qsizetype kShownName = 40;
        QString shown = which;
        if (shown.size() > kShownName) {
            shown.truncate(shown.at(kShownName - 1).isHighSurrogate() ? kShownName - 1 : kShownName);
            shown += u'…';
        }
        refuse(
            message,
            Texts::tr("没有这个窗口：%1（可用 %2）")
                .arg(shown, QStringList(WindowNames::kNames.begin(), WindowNames::kNames.end()).join(Texts::tr("、"))));
    }
}

QVariantMap ControlAdaptor::Status()
{
    m_state.bringUpToDate();
    return StatusReport::of(m_state);
}

void ControlAdaptor::Quit()
{
    // After the reply has gone out: the usage is saved on the way out, as with Ctrl+Q.
    m_scheduler.post(this, [this] { m_actions.quit(); });
}

void ControlAdaptor::statusMayHaveChanged()
{
    if (m_scheduled) {
        return;
    }
    m_scheduled = true;
    m_pending = m_scheduler.runAfter(std::max(std::chrono::milliseconds(0), untilNextSignal()), this, [this] {
        m_scheduled = false;
        sendIfChanged();
    });
}

std::chrono::milliseconds ControlAdaptor::untilNextSignal() const
{
    if (!m_everSent) {
        return std::chrono::milliseconds(0);
    }
    return m_sentAt + kSignalInterval - m_clock.steady();
}

void ControlAdaptor::sendIfChanged()
{
    // A tick comes a second after the last, give or take the timer's slack: that is not too early.
    if (untilNextSignal() > kTickSlack) {
        statusMayHaveChanged();
        return;
    }
    const QVariantMap status = StatusReport::of(m_state);
    // The seconds counted alone change every second while the person works: they ride along with a change of
    // what a bar shows, or go out once a minute, and do not cost a message a second.
    const auto shown = [](QVariantMap status) {
        status.remove(QStringLiteral("todaySeconds"));
        status.remove(QStringLiteral("continuousWorkSeconds"));
        return status;
    };
    const bool countsOnly = shown(status) == shown(m_sent);
    if (status == m_sent || (countsOnly && m_clock.steady() - m_sentAt < kCountsInterval)) {
        return;
    }
    m_sent = status;
    m_sentAt = m_clock.steady();
    m_everSent = true;
    emit StatusChanged(status);
}
