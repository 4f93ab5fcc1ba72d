// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "BannerWindowLayer.h"

#include <QWidget>

class QLabel;
class QAbstractButton;

// The banner card: symbol, title, optional subtitle (two lines at most), an optional accent action button
// (with a quieter second action, both in a row under the texts), close button; 340 wide, its height
// following the content.
class ReminderBannerView final : public QWidget
{
public:
    static constexpr int kWidth = 340;
    static constexpr int kMargin = 16;

    ReminderBannerView(const BannerContent& content, std::function<void()> onAction,
                       std::function<void()> onSecondaryAction, std::function<void()> onClose,
                       QWidget* parent = nullptr);

    QAbstractButton* actionButton() const { return m_action; }
    QAbstractButton* secondaryActionButton() const { return m_secondaryAction; }
    QAbstractButton* closeButton() const { return m_close; }
    QLabel* subtitleLabel() const { return m_subtitle; }

    // Top right of the primary screen's available area, 16 px from its edges.
    void placeOnPrimaryScreen();

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void tintSubtitle();

    QAbstractButton* m_action = nullptr;
    QAbstractButton* m_secondaryAction = nullptr;
    QAbstractButton* m_close = nullptr;
    QLabel* m_subtitle = nullptr;
    bool m_translucent = false;
};
