// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "BannerWindowLayer.h"

#include <QObject>
#include <QPointer>

#include "ReminderBannerView.h"

// The banner as a Qt window above the others that never takes the focus.
class QtBannerWindowLayer final : public QObject, public BannerWindowLayer
{
    Q_OBJECT

public:
    explicit QtBannerWindowLayer(QObject* parent = nullptr);
    ~QtBannerWindowLayer() override;

    void show(const BannerContent& content, std::function<void()> onAction, std::function<void()> onSecondaryAction,
              std::function<void()> onClose) override;
    void hide() override;
    bool isShown() const override { return !m_view.isNull(); }

    ReminderBannerView* view() const { return m_view; }

private:
    QPointer<ReminderBannerView> m_view;
};
