// SPDX-License-Identifier: GPL-3.0-or-later
#include "SwitchToggle.h"

#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>
#include <QVariantAnimation>

namespace {

constexpr QSize kTrack(38, 22);
constexpr int kKnobInset = 2;

} // namespace

SwitchToggle::SwitchToggle(QWidget* parent)
    : QAbstractButton(parent)
    , m_animation(new QVariantAnimation(this))
{
    setCheckable(true);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    m_animation->setDuration(120);
    connect(m_animation, &QVariantAnimation::valueChanged, this, [this](const QVariant& value) {
        m_position = value.toReal();
        update();
    });
}

QSize SwitchToggle::sizeHint() const
{
    // Room for the focus ring around the track.
    // Room around the track for the focus ring.
    return kTrack + QSize(8, 8);
}

void SwitchToggle::setCheckedSilently(bool on)
{
    if (on == isChecked()) {
        return;
    }
    const QSignalBlocker blocker(this);
    setChecked(on);
}

void SwitchToggle::checkStateSet()
{
    QAbstractButton::checkStateSet();
    // A state set from outside (the stored value) jumps; one from the user slides.
    m_animation->stop();
    m_position = isChecked() ? 1 : 0;
    update();
}

void SwitchToggle::nextCheckState()
{
    QAbstractButton::nextCheckState();
    animateTo(isChecked());
}

void SwitchToggle::animateTo(bool on)
{
    m_animation->stop();
    m_animation->setStartValue(m_position);
    m_animation->setEndValue(on ? 1.0 : 0.0);
    m_animation->start();
}

bool SwitchToggle::hitButton(const QPoint& position) const
{
    return rect().contains(position);
}

void SwitchToggle::keyPressEvent(QKeyEvent* event)
{
    // Left means off and Right means on, as on a physical switch; Space (the button's own key) flips.
    if ((event->key() == Qt::Key_Left && isChecked()) || (event->key() == Qt::Key_Right && !isChecked())) {
        click();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

void SwitchToggle::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF track(QPointF((width() - kTrack.width()) / 2.0, (height() - kTrack.height()) / 2.0), QSizeF(kTrack));
    const qreal radius = track.height() / 2;

    const QColor accent = palette().color(QPalette::Highlight);
    QColor off = palette().color(QPalette::WindowText);
    off.setAlphaF(0.18f);
    QColor fill = off;
    // Blend from the off grey to the accent as the knob travels.
    fill.setRgbF(off.redF() + (accent.redF() - off.redF()) * static_cast<float>(m_position),
                 off.greenF() + (accent.greenF() - off.greenF()) * static_cast<float>(m_position),
                 off.blueF() + (accent.blueF() - off.blueF()) * static_cast<float>(m_position),
                 off.alphaF() + (1.0f - off.alphaF()) * static_cast<float>(m_position));
    if (!isEnabled()) {
        fill.setAlphaF(fill.alphaF() * 0.45f);
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(fill);
    painter.drawRoundedRect(track, radius, radius);

    const qreal knob = track.height() - 2 * kKnobInset;
    const qreal travel = track.width() - 2 * kKnobInset - knob;
    const QRectF knobRect(track.left() + kKnobInset + travel * m_position, track.top() + kKnobInset, knob, knob);
    painter.setBrush(QColor(0, 0, 0, 40));
    painter.drawEllipse(knobRect.translated(0, 0.6));
    painter.setBrush(Qt::white);
    painter.drawEllipse(knobRect);

    // The focus ring only for keyboard users, as the platform styles do: in the text colour, apart from the track,
    // so that it shows on the switch on and off, in either theme.
    if (hasFocus() && window()->testAttribute(Qt::WA_KeyboardFocusChange)) {
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(palette().color(QPalette::WindowText), 1.5));
        painter.drawRoundedRect(track.adjusted(-2.5, -2.5, 2.5, 2.5), radius + 2.5, radius + 2.5);
    }
}
