// SPDX-License-Identifier: GPL-3.0-or-later
#include "BreakOverlayContentView.h"

#include "Accessibility.h"
#include "GuideView.h"
#include "OverlayBackground.h"
#include "OverlayTextLabel.h"
#include "PillButton.h"
#include "ProgressLineView.h"
#include "RestGlyphView.h"
#include "TavrinFont.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QVBoxLayout>

namespace {

// The words of this file, for translation; Chinese is the source language.
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(BreakOverlayContentView)
};

QColor white(qreal alpha)
{
    return QColor::fromRgbF(1, 1, 1, static_cast<float>(alpha));
}

// The countdown's thin digits: Roboto Thin where installed, else the nearest weight Tavrin's faces have.
QFont countdownFont()
{
    QFont font = TavrinFont::make(112, QFont::Thin);
    QStringList families = TavrinFont::families();
    families.prepend(QStringLiteral("Roboto"));
    font.setFamilies(families);
    return font;
}

} // namespace

BreakOverlayContentView::BreakOverlayContentView(const BreakOptions& options, const OverlayBackground& background,
                                                 std::function<void()> onSkip, std::function<void()> onPostpone,
                                                 std::function<void()> onGuide, QWidget* parent)
    : QWidget(parent)
    , m_background(background)
{
    // The window holds the focus itself until its buttons take keys: Tab then reaches them.
    setFocusPolicy(Qt::StrongFocus);
    // What a screen reader says as the break comes up: that it started, its message and its length.
    Accessibility::setRole(this, QAccessible::AlertMessage);
    setAccessibleName(Texts::tr("休息开始"));
    const auto seconds = static_cast<qint64>(options.duration);
    setAccessibleDescription(
        Texts::tr("%1。休息 %2 分 %3 秒。").arg(options.message).arg(seconds / 60).arg(seconds % 60));
    auto* column = new QWidget(this);
    column->setMaximumWidth(900);
    auto* stack = new QVBoxLayout(column);
    stack->setContentsMargins(0, 0, 0, 0);
    stack->setSpacing(0);

    m_message = new OverlayTextLabel(TavrinFont::make(34, QFont::Bold), white(1), 2, 900);
    m_message->setText(options.message);
    m_tipHeader = new OverlayTextLabel(TavrinFont::make(13), white(0.55), 1, 900);
    m_tipHeader->setText(Texts::tr("· 颈椎小贴士 ·"));
    m_guide = new GuideView;
    m_guide->hide();
    m_tip = new OverlayTextLabel(TavrinFont::make(16), white(0.95), 2, 640);
    m_countdown = new OverlayTextLabel(countdownFont(), white(1), 1, 900, true);
    m_countdown->setAccessibleName(Texts::tr("剩余时间"));
    m_progress = new ProgressLineView;

    m_glyph = new RestGlyphView;
    stack->addWidget(m_glyph, 0, Qt::AlignHCenter);
    addGap(stack, 28);
    stack->addWidget(m_message);
    addGap(stack, 30);
    stack->addWidget(m_tipHeader);
    stack->addSpacing(10);
    stack->addWidget(m_tip);
    stack->addWidget(m_guide, 0, Qt::AlignHCenter);
    addGap(stack, 36);
    stack->addWidget(m_countdown);
    addGap(stack, 20);
    stack->addWidget(m_progress, 0, Qt::AlignHCenter);
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(14);
    buttons->addStretch(1);
    if (options.allowSkip) {
        m_skip = new PillButton(Texts::tr("跳过休息"));
        connect(m_skip, &PillButton::clicked, this, [onSkip = std::move(onSkip)] { onSkip(); });
        buttons->addWidget(m_skip);
        if (options.postponeMinutes) {
            m_postpone = new PillButton(Texts::tr("推迟 %1 分钟").arg(*options.postponeMinutes));
            connect(m_postpone, &PillButton::clicked, this, [onPostpone = std::move(onPostpone)] { onPostpone(); });
            buttons->addWidget(m_postpone);
        }
    }
    m_guideButton = new PillButton(Texts::tr("跟练颈肩操"));
    m_guideButton->hide();
    connect(m_guideButton, &PillButton::clicked, this, [onGuide = std::move(onGuide)] { onGuide(); });
    buttons->addWidget(m_guideButton);
    buttons->addStretch(1);
    addGap(stack, 32);
    stack->addLayout(buttons);

    auto* outer = new QVBoxLayout(this);
    // The window is its display, whatever its content asks for.
    outer->setSizeConstraint(QLayout::SetNoConstraint);
    outer->setContentsMargins(24, 24, 24, 24);
    outer->addStretch(1);
    outer->addWidget(column, 0, Qt::AlignHCenter);
    outer->addStretch(1);
}

void BreakOverlayContentView::showContent(const OverlayContent& content)
{
    m_countdown->setText(content.countdown);
    m_countdown->setAccessibleDescription(content.timeLeft);
    m_tip->setText(content.tip);
    m_progress->setProgress(content.progress);
    const bool guiding = content.guide.has_value();
    m_tipHeader->setVisible(!guiding);
    m_tip->setVisible(!guiding);
    m_guide->setVisible(guiding);
    // One pill starts the guided moves and, while they run, stops them.
    m_guideButton->setText(guiding ? Texts::tr("停止跟练") : Texts::tr("跟练颈肩操"));
    m_guideButton->setVisible(content.guideOffered || guiding);
    for (PillButton* button : {m_skip, m_postpone, m_guideButton}) {
        if (button) {
            button->setFocusPolicy(content.keysReady ? Qt::TabFocus : Qt::NoFocus);
        }
    }
}

void BreakOverlayContentView::showGuideFrame(const GuidedMoves::Routine& routine, const GuidedMoves::Frame& frame)
{
    m_guide->showFrame(routine, frame);
}

void BreakOverlayContentView::addGap(QVBoxLayout* stack, int height)
{
    auto* gap = new QSpacerItem(0, height, QSizePolicy::Minimum, QSizePolicy::Fixed);
    stack->addSpacerItem(gap);
    m_gaps.append({gap, height});
}

void BreakOverlayContentView::resizeEvent(QResizeEvent* event)
{
    m_guide->fitTo(event->size().height());
    // A short display, or large text, which makes every display shorter: no glyph, half the gaps and smaller
    // digits, so that the guided moves, the countdown and the buttons still stand whole on it.
    const bool compact = event->size().height() < 760;
    if (compact != m_compact) {
        m_compact = compact;
        m_glyph->setVisible(!compact);
        for (const auto& [gap, height] : m_gaps) {
            gap->changeSize(0, compact ? height / 2 : height, QSizePolicy::Minimum, QSizePolicy::Fixed);
        }
        QFont digits = countdownFont();
        digits.setPixelSize(compact ? 72 : 112);
        m_countdown->setTextFont(digits);
        if (QLayout* column = m_message->parentWidget()->layout()) {
            column->invalidate();
        }
    }
    QWidget::resizeEvent(event);
}

void BreakOverlayContentView::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.setClipRegion(event->region());
    m_background.paint(painter, rect());
}
