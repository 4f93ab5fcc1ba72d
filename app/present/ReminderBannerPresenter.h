// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "BannerWindowLayer.h"
#include "BreakPresenting.h"
#include "TaskHandle.h"

#include <QObject>

class Scheduler;

// The floating reminder card. Each banner ends in exactly one way: the user chose one of its actions (the
// caller's action runs), or it went away otherwise — closed, timed out or replaced by a newer banner — and
// onDismissWithoutAction runs, once.
class ReminderBannerPresenter final : public QObject, public BannerPresenting
{
    Q_OBJECT

public:
    using Callback = std::function<void()>;

    ReminderBannerPresenter(BannerWindowLayer& window, Scheduler& scheduler, QObject* parent = nullptr);

    void show(const BannerNotice& notice, double durationSeconds, Actions actions) override;
    void dismiss() override;
    bool isShown() const override { return m_window.isShown(); }
    // What the banner on screen is about; nothing while none is.
    const std::optional<BannerNotice>& notice() const { return m_notice; }

private:
    void show(const BannerContent& content, double durationSeconds, Actions actions);

    BannerWindowLayer& m_window;
    Scheduler& m_scheduler;
    TaskHandle m_dismissTask;
    Callback m_onDismissWithoutAction;
    bool m_actionTaken = false;
    std::optional<BannerNotice> m_notice;
};
