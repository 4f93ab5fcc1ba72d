// SPDX-License-Identifier: GPL-3.0-or-later
#include "DashboardCards.h"

#include "SymbolIcon.h"
#include "TabularText.h"
#include "TavrinFont.h"
#include "ThemeColors.h"

#include <QFontMetricsF>
#include <QGraphicsDropShadowEffect>
#include <QPainter>
#include <QPainterPath>

namespace {

constexpr double kMinimumValueScale = 0.58;

void addShadow(QWidget* widget, double opacity, qreal blur, qreal down)
{
    auto* shadow = new QGraphicsDropShadowEffect(widget);
    shadow->setColor(QColor(0, 0, 0, qRound(255 * opacity)));
    shadow->setBlurRadius(blur);
    shadow->setOffset(0, down);
    widget->setGraphicsEffect(shadow);
}

// The trend badge: accent text on an accent capsule.
QRectF drawTrendBadge(QPainter& painter, const QPointF& leftCentre, const QString& text, const QColor& accent)
{
    const QFont font = TavrinFont::make(12, QFont::DemiBold);
    const QFontMetricsF metrics(font);
    const QRectF box(leftCentre.x(), leftCentre.y() - (metrics.height() + 12) / 2, metrics.horizontalAdvance(text) + 22,
                     metrics.height() + 12);
    painter.setPen(Qt::NoPen);
    painter.setBrush(ThemeColors::withAlpha(accent, 0.15));
    painter.drawRoundedRect(box, box.height() / 2, box.height() / 2);
    painter.setPen(accent);
    painter.setFont(font);
    painter.drawText(box, Qt::AlignCenter, text);
    return box;
}

} // namespace

CardFrame::CardFrame(const Appearance& appearance, qreal radius, double outlineOpacity, QWidget* parent)
    : QWidget(parent)
    , m_appearance(appearance)
    , m_radius(radius)
    , m_outlineOpacity(outlineOpacity)
{
    addShadow(this, 0.06, 22, 12);
}

void CardFrame::setShadow(double opacity, qreal blur, qreal down)
{
    addShadow(this, opacity, blur, down);
}

void CardFrame::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor outline = m_outline.value_or(ThemeColors::accent(palette()));
    painter.setPen(m_outlineOpacity > 0 ? QPen(ThemeColors::withAlpha(outline, m_outlineOpacity), 1) : Qt::NoPen);
    painter.setBrush(ThemeColors::cardBackground(m_appearance));
    painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), m_radius, m_radius);
}

StatPanel::StatPanel(const Appearance& appearance, const QString& title, bool compact, QWidget* parent)
    : CardFrame(appearance, 20, 0.14, parent)
    , m_title(title)
    , m_compact(compact)
{
    setFixedHeight(100);
    setAccessibleName(title);
}

void StatPanel::setValue(const QString& value, const std::optional<QString>& trend)
{
    if (value == m_value && trend == m_trend) {
        return;
    }
    m_value = value;
    m_trend = trend;
    setAccessibleDescription(trend ? value + QLatin1Char(' ') + *trend : value);
    update();
}

void StatPanel::paintEvent(QPaintEvent* event)
{
    CardFrame::paintEvent(event);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    constexpr qreal kSide = 26;

    const QFont titleFont = TavrinFont::make(13, QFont::DemiBold);
    QFont valueFont = TavrinFont::make(m_compact ? 28 : 32, QFont::DemiBold);
    const QFontMetricsF titleMetrics(titleFont);

    // Room for the value: the card less its sides and the badge. Shrink the figure, down to 0.58 of its
    // size, before it is cut.
    qreal badgeWidth = 0;
    if (m_trend) {
        badgeWidth = QFontMetricsF(TavrinFont::make(12, QFont::DemiBold)).horizontalAdvance(*m_trend) + 22 + 14;
    }
    const qreal room = width() - 2 * kSide - badgeWidth;
    const qreal natural = TabularText::width(m_value, valueFont);
    if (natural > room && natural > 0) {
        valueFont.setPixelSize(qMax(1, qFloor(valueFont.pixelSize() * std::max(kMinimumValueScale, room / natural))));
    }
    const QFontMetricsF valueMetrics(valueFont);

    // The block is centred as if the figure had its full size, so titles stand on one line across the
    // cards of a row whatever size each figure is drawn at.
    const qreal fullValueHeight = QFontMetricsF(TavrinFont::make(32, QFont::DemiBold)).height();
    const qreal top = (height() - (titleMetrics.height() + 10 + fullValueHeight)) / 2;
    painter.setFont(titleFont);
    painter.setPen(ThemeColors::secondaryText(palette()));
    painter.drawText(QPointF(kSide, top + titleMetrics.ascent()), m_title);

    const qreal valueTop = top + titleMetrics.height() + 10;
    painter.save();
    painter.setClipRect(QRectF(kSide, 0, std::max<qreal>(0, room), height()));
    painter.setPen(ThemeColors::primaryText(palette()));
    TabularText::draw(painter, QPointF(kSide, valueTop), m_value, valueFont);
    painter.restore();
    if (m_trend) {
        const qreal valueWidth = std::min(room, TabularText::width(m_value, valueFont));
        drawTrendBadge(painter, QPointF(kSide + valueWidth + 14, valueTop + valueMetrics.height() / 2), *m_trend,
                       ThemeColors::accent(palette()));
    }
}

RuleChipView::RuleChipView(const Appearance& appearance, QWidget* parent)
    : QWidget(parent)
    , m_appearance(appearance)
{
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void RuleChipView::setChip(const DashboardModel::RuleChip& chip)
{
    if (chip == m_chip) {
        return;
    }
    m_chip = chip;
    setAccessibleName(chip.title + QLatin1Char(' ') + chip.value);
    updateGeometry();
    update();
}

QSize RuleChipView::sizeHint() const
{
    const QFontMetricsF regular(TavrinFont::make(11));
    const QFontMetricsF medium(TavrinFont::make(11, QFont::Medium));
    const qreal width =
        12 + 13 + 8 + regular.horizontalAdvance(m_chip.title) + 8 + medium.horizontalAdvance(m_chip.value) + 12;
    return QSize(qCeil(width), qCeil(std::max(regular.height(), 13.0) + 16));
}

void RuleChipView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF box = QRectF(rect());
    painter.setPen(Qt::NoPen);
    painter.setBrush(ThemeColors::chipBackground(m_appearance));
    painter.drawRoundedRect(box, box.height() / 2, box.height() / 2);

    qreal x = 12;
    const QPixmap symbol =
        SymbolIcon::pixmap(m_chip.symbol, QSize(13, 13), ThemeColors::accent(palette()), devicePixelRatioF());
    painter.drawPixmap(QPointF(x, (height() - 13) / 2.0), symbol);
    x += 13 + 8;

    const QFont regular = TavrinFont::make(11);
    painter.setFont(regular);
    painter.setPen(ThemeColors::secondaryText(palette()));
    painter.drawText(QRectF(x, 0, width() - x, height()), Qt::AlignLeft | Qt::AlignVCenter, m_chip.title);
    x += QFontMetricsF(regular).horizontalAdvance(m_chip.title) + 8;

    painter.setFont(TavrinFont::make(11, QFont::Medium));
    painter.setPen(ThemeColors::primaryText(palette()));
    painter.drawText(QRectF(x, 0, width() - x, height()), Qt::AlignLeft | Qt::AlignVCenter, m_chip.value);
}

AppLogoMark::AppLogoMark(std::optional<QPixmap> logo, QWidget* parent)
    : QWidget(parent)
    , m_logo(std::move(logo))
{
    setFixedSize(28, 28);
}

void AppLogoMark::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (m_logo) {
        const QSize fitted = m_logo->size().scaled(size(), Qt::KeepAspectRatio);
        painter.drawPixmap(QRect(QPoint((width() - fitted.width()) / 2, (height() - fitted.height()) / 2), fitted),
                           *m_logo);
        return;
    }
    const QColor accent = ThemeColors::accent(palette());
    painter.setPen(Qt::NoPen);
    painter.setBrush(ThemeColors::withAlpha(accent, 0.15));
    painter.drawEllipse(rect());
    const auto capsule = [&](qreal angle, qreal shift, double opacity) {
        painter.save();
        painter.translate(width() / 2.0 + shift, height() / 2.0);
        painter.rotate(angle);
        const QRectF body(-5, -12, 10, 24);
        QLinearGradient gradient(body.topLeft(), body.bottomLeft());
        gradient.setColorAt(0, ThemeColors::withAlpha(accent, opacity));
        gradient.setColorAt(1, ThemeColors::withAlpha(accent.darker(125), opacity));
        painter.setBrush(gradient);
        painter.drawRoundedRect(body, 5, 5);
        painter.restore();
    };
    capsule(-22, -4, 1.0);
    capsule(22, 4, 0.62);
}
