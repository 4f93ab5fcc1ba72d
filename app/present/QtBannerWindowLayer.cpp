// SPDX-License-Identifier: GPL-3.0-or-later
#include "QtBannerWindowLayer.h"

#include "ReminderBannerView.h"

QtBannerWindowLayer::QtBannerWindowLayer(QObject* parent)
    : QObject(parent)
{
}

QtBannerWindowLayer::~QtBannerWindowLayer()
{
    hide();
}

void QtBannerWindowLayer::show(const BannerContent& content, std::function<void()> onAction,
                               std::function<void()> onSecondaryAction, std::function<void()> onClose)
{
    hide();
    m_view = new ReminderBannerView(content, std::move(onAction), std::move(onSecondaryAction), std::move(onClose));
    m_view->placeOnPrimaryScreen();
    m_view->show();
}

void QtBannerWindowLayer::hide()
{
    // Hidden now, deleted after the event in progress (the click on one of its own buttons).
    if (m_view) {
        m_view->hide();
        m_view->deleteLater();
        m_view = nullptr;
    }
}
