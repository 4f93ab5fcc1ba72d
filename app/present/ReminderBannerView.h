#pragma once

#include "BannerWindowLayer.h"

#include <QWidget>

class QLabel;
class QAbstractButton;

// The banner card: symbol, title, optional subtitle (two lines at most), optional accent action button,
// close button; 340 wide, its height following the content.
class ReminderBannerView final : public QWidget
{
public:
    static constexpr int kWidth = 340;
    static constexpr int kMargin = 16;

    ReminderBannerView(const BannerContent& content, std::function<void()> onAction, std::function<void()> onClose,
                       QWidget* parent = nullptr);

    QAbstractButton* actionButton() const { return m_action; }
    QAbstractButton* closeButton() const { return m_close; }
    QLabel* subtitleLabel() const { return m_subtitle; }

    // Top right of the primary screen's available area, 16 px from its edges.
    void placeOnPrimaryScreen();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QAbstractButton* m_action = nullptr;
    QAbstractButton* m_close = nullptr;
    QLabel* m_subtitle = nullptr;
    bool m_translucent = false;
};
