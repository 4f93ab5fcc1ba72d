// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReminderBannerPresenter.h"

#include "BannerTexts.h"
#include "Scheduler.h"

#include <QPointer>

#include <cmath>

ReminderBannerPresenter::ReminderBannerPresenter(BannerWindowLayer& window, Scheduler& scheduler, QObject* parent)
    : QObject(parent)
    , m_window(window)
    , m_scheduler(scheduler)
{
}

void ReminderBannerPresenter::show(const BannerNotice& notice, double durationSeconds, Actions actions)
{
    show(BannerTexts::content(notice), durationSeconds, std::move(actions));
    m_notice = notice;
}

void ReminderBannerPresenter::show(const BannerContent& content, double durationSeconds, Actions actions)
{
    // A banner still up goes first, and hears that no action was taken.
    dismiss();
    m_onDismissWithoutAction = std::move(actions.onDismissWithoutAction);
    m_actionTaken = false;

    QPointer<ReminderBannerPresenter> self(this);
    auto taking = [self](Callback action) {
        return [self, action = std::move(action)] {
            if (!self) {
                return;
            }
            self->m_actionTaken = true;
            self->dismiss();
            if (action) {
                action();
            }
        };
    };
    auto onClose = [self] {
        if (self) {
            self->dismiss();
        }
    };
    m_window.show(content, taking(std::move(actions.action)), taking(std::move(actions.secondaryAction)),
                  std::move(onClose));

    const auto delay = std::chrono::milliseconds(std::llround(std::max(durationSeconds, 0.0) * 1000.0));
    m_dismissTask = m_scheduler.runAfter(delay, this, [this] { dismiss(); });
}

void ReminderBannerPresenter::dismiss()
{
    m_notice.reset();
    m_dismissTask.cancel();
    m_dismissTask = TaskHandle();
    if (m_window.isShown()) {
        m_window.hide();
    }
    const Callback callback = std::move(m_onDismissWithoutAction);
    m_onDismissWithoutAction = nullptr;
    if (!m_actionTaken && callback) {
        callback();
    }
    m_actionTaken = false;
}
