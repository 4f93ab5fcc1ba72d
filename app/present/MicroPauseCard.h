// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include <functional>

class QAbstractButton;
class QLabel;

// One display's micro-pause: a small card at the top centre with the cue and a ring that fills while the
// person keeps still, and 跳过. Over every window, never focused: typing goes on where it was.
class MicroPauseCard final : public QWidget
{
public:
    static constexpr int kWidth = 320;
    static constexpr int kMargin = 16;

    MicroPauseCard(const QString& cue, std::function<void()> onSkip, QWidget* parent = nullptr);

    // The ring's fill, 0 … 1; repaints only when it moved by a visible step.
    void setProgress(double progress);
    double progress() const { return m_progress; }
    QLabel* cueLabel() const { return m_cue; }
    QAbstractButton* skipButton() const { return m_skip; }
    // Top centre of the given area, 16 px from its top edge.
    void placeAtTopOf(const QRect& area);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QRect ringRect() const;

    QLabel* m_cue = nullptr;
    QAbstractButton* m_skip = nullptr;
    double m_progress = 0;
    bool m_translucent = false;
};
