// SPDX-License-Identifier: GPL-3.0-or-later
#include "MicroPauseCard.h"

#include "Accessibility.h"
#include "TavrinFont.h"
#include "WindowHints.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QToolButton>

#include <cmath>

namespace {

// The words of this file, for translation; Chinese is the source language.
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(MicroPauseCard)
};

constexpr int kRing = 34;
constexpr qreal kRingWidth = 4;

} // namespace

MicroPauseCard::MicroPauseCard(const QString& cue, std::function<void()> onSkip, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
{
    setWindowTitle(Texts::tr("微休息"));
    Accessibility::setRole(this, QAccessible::Notification);
    setAccessibleName(windowTitle());
    setAccessibleDescription(cue);
    m_translucent = WindowHints::compositorRunning();
    setAttribute(Qt::WA_TranslucentBackground, m_translucent);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(16, 12, 12, 12);
    row->setSpacing(12);
    row->addSpacing(kRing);
    m_cue = new QLabel(cue);
    m_cue->setTextFormat(Qt::PlainText);
    m_cue->setWordWrap(true);
    m_cue->setFont(TavrinFont::make(13, QFont::DemiBold));
    row->addWidget(m_cue, 1);
    auto* skip = new QToolButton;
    skip->setText(Texts::tr("跳过"));
    skip->setAutoRaise(true);
    skip->setFocusPolicy(Qt::NoFocus);
    skip->setCursor(Qt::PointingHandCursor);
    skip->setFont(TavrinFont::make(12, QFont::Medium));
    connect(skip, &QToolButton::clicked, this, [onSkip = std::move(onSkip)] { onSkip(); });
    m_skip = skip;
    row->addWidget(skip, 0, Qt::AlignVCenter);
    setFixedWidth(kWidth);
    setFixedHeight(std::max(sizeHint().height(), kRing + 24));
    // As the banner: over everything, a focused full-screen window included, and never focused.
    WindowHints::applyTo(this, {WindowHints::Layer::topmost, true, true, true});
}

void MicroPauseCard::setProgress(double progress)
{
    const double clamped = std::clamp(progress, 0.0, 1.0);
    // A step of the ring the eye can see: a degree.
    if (std::abs(clamped - m_progress) * 360 < 1 && !(clamped == 1.0 && m_progress != 1.0)) {
        return;
    }
    m_progress = clamped;
    update(ringRect().adjusted(-4, -4, 4, 4));
}

void MicroPauseCard::placeAtTopOf(const QRect& area)
{
    move(area.x() + (area.width() - width()) / 2, area.y() + kMargin);
}

QRect MicroPauseCard::ringRect() const
{
    return {16, (height() - kRing) / 2, kRing, kRing};
}

void MicroPauseCard::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor fill = palette().color(QPalette::Window);
    QColor outline = palette().color(QPalette::WindowText);
    outline.setAlphaF(0.12f);
    painter.setPen(QPen(outline, 1));
    painter.setBrush(fill);
    if (m_translucent) {
        painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 14, 14);
    } else {
        painter.fillRect(rect(), fill);
        painter.drawRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
    }
    // The ring: a faint track, and the stillness so far in the accent, from the top, clockwise.
    const QRectF ring = QRectF(ringRect()).adjusted(kRingWidth / 2, kRingWidth / 2, -kRingWidth / 2, -kRingWidth / 2);
    QColor track = palette().color(QPalette::WindowText);
    track.setAlphaF(0.15f);
    painter.setPen(QPen(track, kRingWidth));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(ring);
    painter.setPen(QPen(palette().color(QPalette::Highlight), kRingWidth, Qt::SolidLine, Qt::RoundCap));
    painter.drawArc(ring, 90 * 16, -static_cast<int>(std::lround(m_progress * 360 * 16)));
}
