// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReminderStatus.h"

#include <QCoreApplication>

#include "AppState.h"

namespace {

// The words of this file, for translation; Chinese is the source language.
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(ReminderStatus)
};

} // namespace

QString ReminderStatus::nextBreak(const AppState& state)
{
    return state.reminderState().line(state.localNow());
}

QString ReminderStatus::modeText(FatigueMode mode)
{
    switch (mode) {
    case FatigueMode::working:
        return Texts::tr("工作中");
    case FatigueMode::resting:
        return Texts::tr("休息中");
    case FatigueMode::idle:
        break;
    }
    return Texts::tr("空闲");
}
