// SPDX-License-Identifier: GPL-3.0-or-later
#include "GuideView.h"
#include "Accessibility.h"
#include "TavrinFont.h"

#include <QCoreApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <numbers>

namespace {

// The words of this file, for translation; Chinese is the source language.
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(GuideView)
};

// The figure's height at its smallest and largest; between them, a third of the display's height, so that it can
// be followed from arm's length. Its box is wide enough for arms opened wide, and the whole view stays within
// the overlay's 900-pixel column. The texts beside it keep their size.
// No smaller than the texts beside it.
constexpr int kSmallestFigure = 200;
constexpr int kLargestFigure = 360;
constexpr qreal kFigureAspect = 1.3;
constexpr int kTextWidth = 400;
constexpr qreal kTextHeight = 194;

QColor white(qreal alpha)
{
    return QColor::fromRgbF(1, 1, 1, static_cast<float>(alpha));
}

QPointF rotated(QPointF vector, qreal degrees)
{
    const qreal radians = degrees * std::numbers::pi / 180;
    return {vector.x() * std::cos(radians) - vector.y() * std::sin(radians),
            vector.x() * std::sin(radians) + vector.y() * std::cos(radians)};
}

QPointF lerp(QPointF a, QPointF b, qreal t)
{
    return a + (b - a) * t;
}

// Upper arm and forearm from the shoulder.
void drawArm(QPainter& painter, QPointF shoulder, QPointF elbow, QPointF hand)
{
    QPainterPath arm(shoulder);
    arm.lineTo(elbow);
    arm.lineTo(hand);
    painter.drawPath(arm);
}

} // namespace

GuideView::GuideView(QWidget* parent)
    : QWidget(parent)
{
    fitTo(0);
    setAttribute(Qt::WA_TranslucentBackground);
    Accessibility::setRole(this, QAccessible::StaticText);
}

void GuideView::fitTo(int displayHeight)
{
    const int figure = std::clamp(displayHeight / 3, kSmallestFigure, kLargestFigure);
    setFixedSize(qRound(figure * kFigureAspect) + 24 + kTextWidth, figure);
}

qreal GuideView::figureWidth() const
{
    return height() * kFigureAspect;
}

QString GuideView::count(const GuidedMoves::Frame& frame)
{
    return Texts::tr("第 %1 / %2 次").arg(frame.repetition).arg(frame.repetitions);
}

QRectF GuideView::progressTrack() const
{
    const QRectF texts = textArea();
    return {texts.left(), texts.bottom() - 2, texts.width() * 0.8, 2};
}

QRectF GuideView::textArea() const
{
    return {figureWidth() + 24, (height() - kTextHeight) / 2, width() - figureWidth() - 24, kTextHeight};
}

void GuideView::showFrame(const GuidedMoves::Routine& routine, const GuidedMoves::Frame& frame)
{
    const GuidedMoves::Move* move =
        routine.steps.empty()
            ? nullptr
            : &GuidedMoves::all()[static_cast<std::size_t>(routine.steps[static_cast<std::size_t>(frame.step)].move)];
    // Only what moved is painted again: the figure while it moves, the line when it grows by a pixel, the
    // texts when the move or the count changes.
    const QRectF track = progressTrack();
    const bool texts =
        move != m_move || frame.repetition != m_frame.repetition || frame.repetitions != m_frame.repetitions;
    const bool figure = frame.pose != m_frame.pose;
    const bool line =
        std::floor(track.width() * frame.stepProgress) != std::floor(track.width() * m_frame.stepProgress);
    m_move = move;
    m_frame = frame;
    if (texts) {
        setAccessibleName(move ? move->name : QString());
        setAccessibleDescription(move ? count(frame) + u'\n' + move->cue : QString());
        update();
        return;
    }
    if (figure) {
        update(QRect(0, 0, qCeil(figureWidth()), height()));
    }
    if (line) {
        update(track.adjusted(-1, -2, 1, 2).toAlignedRect());
    }
}

void GuideView::paintFigure(QPainter& painter, const QRectF& box, const GuidedMoves::Pose& pose, bool sideView)
{
    // Figure units: the shoulders' half-width is 1, the neck's base at the origin; y grows downward.
    const qreal unit = std::min(box.width() / 3.4, box.height() / 4.4);
    painter.save();
    painter.translate(box.center().x(), box.top() + box.height() * 0.42);
    painter.scale(unit, unit);
    const QPen outline(white(0.92), 0.09, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    const QPen limb(white(0.92), 0.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    const QBrush fill(white(0.14));
    const qreal lift = -0.28 * pose.shrug;

    // The neck as a short rounded column from its base, turned by the bend; the head sits on its top.
    const auto drawNeck = [&](QPointF base, QPointF top, qreal halfWidth) {
        const QPointF along = top - base;
        const qreal angle = std::atan2(along.y(), along.x()) * 180 / std::numbers::pi;
        painter.save();
        painter.translate(base);
        painter.rotate(angle);
        painter.setPen(outline);
        painter.setBrush(fill);
        painter.drawRoundedRect(QRectF(-0.1, -halfWidth, std::hypot(along.x(), along.y()) + 0.1, 2 * halfWidth), 0.1,
                                0.1);
        painter.restore();
    };
    const auto drawHead = [&](QPointF centre, qreal degrees, qreal width) {
        painter.save();
        painter.translate(centre);
        painter.rotate(degrees);
        painter.setPen(outline);
        painter.setBrush(fill);
        painter.drawEllipse(QPointF(0, 0), width, 0.52);
        painter.restore();
    };

    if (sideView) {
        // Facing right: a chin tuck glides the head back, a nod tips it forward and down, the blades drawn
        // together bring the elbow back and the chest forward. A person's profile: a rounded upper back and
        // chest, a neck as thick as a neck, a head with brow, nose, lips, chin and an ear, and an arm from a
        // round shoulder.
        const qreal chest = 0.14 * pose.squeeze;
        QPainterPath body(QPointF(-0.5, 1.85));
        body.cubicTo(QPointF(-0.58, 1.2), QPointF(-0.66, 0.45), QPointF(-0.42, 0.12 + lift));
        body.quadTo(QPointF(-0.22, -0.04 + lift), QPointF(0.08, 0.0 + lift));
        body.quadTo(QPointF(0.34 + chest, 0.08 + lift), QPointF(0.44 + chest, 0.45));
        body.cubicTo(QPointF(0.56 + chest, 0.9), QPointF(0.46, 1.4), QPointF(0.4, 1.85));
        painter.setPen(outline);
        painter.setBrush(fill);
        painter.drawPath(body);
        // The arm first, so that neck and head stand in front of its shoulder.
        const QPointF shoulder(-0.1 - chest / 2, 0.44 + lift);
        const QPointF elbow = lerp(QPointF(-0.04, 1.18), QPointF(-0.62, 0.98), pose.squeeze);
        const QPointF hand = lerp(QPointF(0.48, 1.52), elbow + QPointF(0.6, -0.16), pose.squeeze);
        painter.setPen(limb);
        drawArm(painter, shoulder, elbow, hand);
        painter.setPen(outline);
        painter.setBrush(fill);
        painter.drawEllipse(shoulder, 0.17, 0.17);
        const QPointF neckBase(-0.06, 0.06 + lift / 2);
        const QPointF neckTop(0.02 - 0.24 * pose.tuck + 0.14 * pose.nod, -0.42 + 0.08 * pose.nod);
        drawNeck(neckBase, neckTop, 0.2);
        const qreal nod = 32 * pose.nod;
        const QPointF centre = neckTop + rotated(QPointF(0.08, -0.42), nod);
        painter.save();
        painter.translate(centre);
        painter.rotate(nod);
        QPainterPath head(QPointF(-0.12, 0.44));
        head.cubicTo(QPointF(-0.5, 0.34), QPointF(-0.58, -0.12), QPointF(-0.36, -0.4));
        head.cubicTo(QPointF(-0.16, -0.62), QPointF(0.3, -0.6), QPointF(0.4, -0.26));
        head.quadTo(QPointF(0.44, -0.12), QPointF(0.42, -0.06));
        head.lineTo(QPointF(0.55, 0.1));
        head.lineTo(QPointF(0.43, 0.15));
        head.quadTo(QPointF(0.47, 0.22), QPointF(0.43, 0.27));
        head.quadTo(QPointF(0.45, 0.4), QPointF(0.3, 0.45));
        head.quadTo(QPointF(0.12, 0.5), QPointF(-0.12, 0.44));
        painter.setPen(outline);
        painter.setBrush(fill);
        painter.drawPath(head);
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(QPointF(-0.1, 0.02), 0.08, 0.12);
        painter.setPen(QPen(white(0.92), 0.1, Qt::SolidLine, Qt::RoundCap));
        painter.drawPoint(QPointF(0.26, -0.08));
        painter.restore();
    } else {
        const qreal roll = pose.roll * 2 * std::numbers::pi;
        // A backward roll seen from the front: up, out as the shoulders go back, down, in as they come round.
        const QPointF rollOffset(0.08 * std::sin(roll), -0.2 * (1 - std::cos(roll)) / 2);
        const QPointF left = QPointF(-1, 0.12 + lift) + QPointF(-rollOffset.x(), rollOffset.y());
        const QPointF right = QPointF(1, 0.12 + lift) + rollOffset;
        QPainterPath body(QPointF(-0.78, 1.85));
        body.lineTo(left + QPointF(0, 0.35));
        body.quadTo(left + QPointF(0, -0.05), left + QPointF(0.3, -0.1));
        body.quadTo(QPointF(0, -0.2 + lift), right + QPointF(-0.3, -0.1));
        body.quadTo(right + QPointF(0, -0.05), right + QPointF(0, 0.35));
        body.lineTo(QPointF(0.78, 1.85));
        painter.setPen(outline);
        painter.setBrush(fill);
        painter.drawPath(body);
        painter.setPen(limb);
        for (const qreal side : {-1.0, 1.0}) {
            const QPointF shoulder = (side < 0 ? left : right) + QPointF(0.02 * side, 0.25);
            const QPointF elbow = shoulder + lerp(QPointF(0.12 * side, 0.9), QPointF(0.9 * side, 0.05), pose.open);
            const QPointF hand = elbow + lerp(QPointF(0.0, 0.7), QPointF(0.75 * side, -0.3), pose.open);
            drawArm(painter, shoulder, elbow, hand);
        }
        // The neck bends at its base; the head follows it.
        const qreal tilt = -pose.tilt;
        const QPointF neckTop = rotated(QPointF(0, -0.5 + 0.1 * pose.nod), tilt);
        drawNeck(QPointF(0, 0.0 + lift / 2), neckTop, 0.18);
        const QPointF centre = neckTop + rotated(QPointF(0, -0.52), tilt);
        drawHead(centre, tilt, 0.44 - 0.04 * std::abs(pose.turn));
        // The face: eyes and nose slide toward the side the head turns to, and down as it nods.
        const qreal across = -0.22 * pose.turn;
        const qreal down = 0.2 * pose.nod;
        painter.setPen(QPen(white(0.92), 0.12, Qt::SolidLine, Qt::RoundCap));
        for (const qreal eye : {-0.16, 0.16}) {
            painter.drawPoint(centre +
                              rotated(QPointF(across + eye * (1 - 0.4 * std::abs(pose.turn)), -0.06 + down), tilt));
        }
        painter.setPen(outline);
        painter.drawLine(centre + rotated(QPointF(across, 0.06 + down), tilt),
                         centre + rotated(QPointF(across * 1.25, 0.18 + down), tilt));
    }
    painter.restore();
}

void GuideView::paintEvent(QPaintEvent* event)
{
    if (!m_move) {
        return;
    }
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    if (event->rect().left() < figureWidth()) {
        paintFigure(painter, QRectF(0, 0, figureWidth(), height()), m_frame.pose, m_move->sideView);
    }
    const QRectF texts = textArea();
    if (!event->rect().intersects(texts.toAlignedRect())) {
        return;
    }
    painter.setPen(white(1));
    painter.setFont(TavrinFont::make(28, QFont::Bold));
    const QFontMetricsF nameMetrics(painter.font());
    painter.drawText(QRectF(texts.left(), texts.top(), texts.width(), nameMetrics.height()), Qt::AlignLeft,
                     m_move->name);
    painter.setPen(white(0.65));
    painter.setFont(TavrinFont::make(15));
    const qreal countTop = texts.top() + nameMetrics.height() + 6;
    painter.drawText(QRectF(texts.left(), countTop, texts.width(), 24), Qt::AlignLeft, count(m_frame));
    painter.setPen(white(0.95));
    painter.setFont(TavrinFont::make(17));
    painter.drawText(QRectF(texts.left(), countTop + 36, texts.width(), 60), Qt::AlignLeft | Qt::TextWordWrap,
                     m_move->cue);

    // How far through the move: a thin line under the texts.
    const QRectF track = progressTrack();
    painter.setPen(Qt::NoPen);
    painter.setBrush(white(0.25));
    painter.drawRoundedRect(track, 1, 1);
    painter.setBrush(white(0.9));
    painter.drawRoundedRect(QRectF(track.topLeft(), QSizeF(track.width() * m_frame.stepProgress, 2)), 1, 1);
}
