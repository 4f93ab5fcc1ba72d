// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProgressLineView.h"

#include <QPainter>

#include <algorithm>

ProgressLineView::ProgressLineView(QWidget* parent)
    : QWidget(parent)
{
    setFixedSize(340, 10);
    setAttribute(Qt::WA_TranslucentBackground);
}

void ProgressLineView::setProgress(double progress)
{
    if (progress != m_progress) {
        m_progress = progress;
        update();
    }
}

void ProgressLineView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    const qreal w = width();
    const qreal midY = height() / 2.0;
    const qreal p = m_progress < 0 ? 0 : std::min(m_progress, 1.0);

    painter.setBrush(QColor::fromRgbF(1, 1, 1, 0.25f));
    painter.drawRoundedRect(QRectF(0, midY - 1, w, 2), 1, 1);
    painter.setBrush(QColor::fromRgbF(1, 1, 1, 0.9f));
    painter.drawRoundedRect(QRectF(0, midY - 1, w * p, 2), 1, 1);
    const qreal knobLeft = std::min(w - 8, std::max(w * p - 4, 0.0));
    painter.drawEllipse(QRectF(knobLeft, midY - 4, 8, 8));
}
