// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "GuidedMoves.h"

#include <QWidget>

// The overlay's guided move: a figure drawn in the overlay's white that takes the move's pose, beside
// the move's name, its cue, the count ("第 3 / 5 次") and a thin line for how far through the move the
// person is. All of it is painted here, crisp at any scale; nothing is loaded.
class GuideView final : public QWidget
{
public:
    explicit GuideView(QWidget* parent = nullptr);

    // Sized for a display of that height: the figure a third of it, within bounds.
    void fitTo(int displayHeight);

    // Repaints only when something shown changed.
    void showFrame(const GuidedMoves::Routine& routine, const GuidedMoves::Frame& frame);

    // The figure in the pose, in a box, on a transparent background.
    static void paintFigure(QPainter& painter, const QRectF& box, const GuidedMoves::Pose& pose, bool sideView);
    // "第 3 / 5 次"
    static QString count(const GuidedMoves::Frame& frame);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    qreal figureWidth() const;
    QRectF textArea() const;
    QRectF progressTrack() const;

    const GuidedMoves::Move* m_move = nullptr;
    GuidedMoves::Frame m_frame;
};
