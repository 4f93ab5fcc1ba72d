// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReminderBannerView.h"

#include "Accessibility.h"
#include "SymbolIcon.h"
#include "TavrinFont.h"
#include "TextLines.h"
#include "WindowHints.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// The words of this file, for translation; Chinese is the source language.
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(ReminderBannerView)
};

// The action: a capsule in the accent colour with white text.
class CapsuleButton final : public QAbstractButton
{
public:
    explicit CapsuleButton(const QString& title)
    {
        setText(title);
        setFont(TavrinFont::make(12, QFont::Medium));
        setCursor(Qt::PointingHandCursor);
        setFocusPolicy(Qt::NoFocus);
    }

    QSize sizeHint() const override
    {
        const QFontMetricsF metrics(font());
        return {qCeil(metrics.horizontalAdvance(text())) + 24, qCeil(metrics.height()) + 12};
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        QColor accent = palette().color(QPalette::Highlight);
        if (isDown()) {
            accent = accent.darker(115);
        }
        painter.setPen(Qt::NoPen);
        painter.setBrush(accent);
        painter.drawRoundedRect(rect(), height() / 2.0, height() / 2.0);
        painter.setPen(Qt::white);
        painter.setFont(font());
        painter.drawText(rect(), Qt::AlignCenter, text());
    }
};

QColor secondaryText(const QPalette& palette)
{
    QColor color = palette.color(QPalette::WindowText);
    // As the windows' secondary text: 4.5 : 1 on the card in either theme.
    color.setAlphaF(0.65f);
    return color;
}

} // namespace

ReminderBannerView::ReminderBannerView(const BannerContent& content, std::function<void()> onAction,
                                       std::function<void()> onSecondaryAction, std::function<void()> onClose,
                                       QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
{
    setWindowTitle(content.title);
    m_translucent = WindowHints::compositorRunning();
    setAttribute(Qt::WA_TranslucentBackground, m_translucent);

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(16, 14, 16, 14);
    row->setSpacing(12);

    auto* icon = new QLabel;
    icon->setPixmap(SymbolIcon::pixmap(QStringLiteral("figure.mind.and.body"), QSize(24, 24),
                                       palette().color(QPalette::Highlight), devicePixelRatioF()));
    row->addWidget(icon, 0, Qt::AlignVCenter);

    auto* column = new QVBoxLayout;
    column->setSpacing(3);
    // Plain text: the subtitle is the user's break message, not markup.
    auto* title = new QLabel(content.title);
    title->setTextFormat(Qt::PlainText);
    title->setFont(TavrinFont::make(13, QFont::DemiBold));
    column->addWidget(title);
    if (content.subtitle && !content.subtitle->isEmpty()) {
        m_subtitle = new QLabel;
        m_subtitle->setTextFormat(Qt::PlainText);
        m_subtitle->setFont(TavrinFont::make(12));
        tintSubtitle();
        column->addWidget(m_subtitle);
    }
    row->addLayout(column, 1);

    if (content.actionTitle) {
        m_action = new CapsuleButton(*content.actionTitle);
        connect(m_action, &QAbstractButton::clicked, this, [onAction = std::move(onAction)] { onAction(); });
    }
    if (content.secondaryActionTitle) {
        auto* secondary = new QToolButton;
        secondary->setText(*content.secondaryActionTitle);
        secondary->setAutoRaise(true);
        secondary->setFocusPolicy(Qt::NoFocus);
        secondary->setCursor(Qt::PointingHandCursor);
        secondary->setFont(TavrinFont::make(12, QFont::Medium));
        connect(secondary, &QToolButton::clicked, this,
                [onSecondaryAction = std::move(onSecondaryAction)] { onSecondaryAction(); });
        m_secondaryAction = secondary;
    }
    // One action sits beside the texts; two go in a row of their own under them, the main one last.
    const bool actionRow = m_action && m_secondaryAction;
    if (actionRow) {
        auto* actions = new QHBoxLayout;
        actions->setContentsMargins(0, 6, 0, 0);
        actions->setSpacing(8);
        actions->addStretch(1);
        actions->addWidget(m_secondaryAction);
        actions->addWidget(m_action);
        column->addLayout(actions);
    } else if (m_action) {
        row->addWidget(m_action, 0, Qt::AlignVCenter);
    }
    auto* close = new QToolButton;
    close->setAutoRaise(true);
    close->setFocusPolicy(Qt::NoFocus);
    close->setIcon(
        SymbolIcon::pixmap(QStringLiteral("xmark"), QSize(10, 10), secondaryText(palette()), devicePixelRatioF()));
    close->setIconSize(QSize(10, 10));
    close->setToolTip(Texts::tr("关闭"));
    close->setAccessibleName(close->toolTip());
    connect(close, &QToolButton::clicked, this, [onClose = std::move(onClose)] { onClose(); });
    m_close = close;
    row->addWidget(close, 0, Qt::AlignVCenter);

    // The subtitle's width is what the row leaves it: wrap it to two lines once that is known.
    if (m_subtitle) {
        const int beside = m_action && !actionRow ? m_action->sizeHint().width() + 12 : 0;
        const int taken = 16 + 24 + 12 + 12 + beside + close->sizeHint().width() + 16;
        const QStringList lines = TextLines::wrap(*content.subtitle, m_subtitle->font(), kWidth - taken, 2);
        m_subtitle->setText(lines.join(u'\n'));
    }
    // Said by a screen reader as it appears, as a desktop notification is.
    Accessibility::setRole(this, QAccessible::Notification);
    setAccessibleName(content.title);
    setAccessibleDescription(content.subtitle.value_or(QString()));
    setFixedWidth(kWidth);
    setFixedHeight(heightForWidth(kWidth) > 0 ? heightForWidth(kWidth) : sizeHint().height());
    // Over everything, a focused full-screen window included (a video, a presentation), where an "above"
    // window would be stacked under it; and never focused, so typing goes on where it was.
    WindowHints::applyTo(this, {WindowHints::Layer::topmost, true, true, true});
}

void ReminderBannerView::placeOnPrimaryScreen()
{
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.x() + area.width() - width() - kMargin, area.y() + kMargin);
    }
}

void ReminderBannerView::tintSubtitle()
{
    QPalette muted = palette();
    muted.setColor(QPalette::WindowText, secondaryText(palette()));
    m_subtitle->setPalette(muted);
}

void ReminderBannerView::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    // Its colour comes from the palette in force, which a change of appearance replaces.
    if (event->type() == QEvent::PaletteChange && m_subtitle) {
        tintSubtitle();
    }
}

void ReminderBannerView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF card = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    QColor fill = palette().color(QPalette::Window);
    QColor outline = palette().color(QPalette::WindowText);
    outline.setAlphaF(0.08f);
    if (m_translucent) {
        // A translucent card where a compositor blends it; no blur is available.
        fill.setAlphaF(0.94f);
        painter.setPen(QPen(outline, 1));
        painter.setBrush(fill);
        painter.drawRoundedRect(card, 14, 14);
    } else {
        painter.fillRect(rect(), fill);
        painter.setPen(QPen(outline, 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(card);
    }
}
