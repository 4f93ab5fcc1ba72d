// SPDX-License-Identifier: GPL-3.0-or-later
#include "SettingsLayout.h"

#include "DashboardCards.h"
#include "TavrinFont.h"
#include "ThemeColors.h"
#include "ToneLabel.h"

#include <QHBoxLayout>
#include <QPainter>
#include <QVBoxLayout>

namespace SettingsLayout {

namespace {

// The full-width line between rows: the text colour at 6 %.
class RowDivider final : public QWidget
{
public:
    RowDivider() { setFixedHeight(1); }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), ThemeColors::withAlpha(ThemeColors::primaryText(palette()), 0.06));
    }
};

void addDividerIfNeeded(QVBoxLayout* section)
{
    if (section->count() > 0) {
        section->addWidget(new RowDivider);
    }
}

} // namespace

QVBoxLayout* addSection(QVBoxLayout* page, const QString& title, const Appearance& appearance)
{
    auto* stack = new QVBoxLayout;
    stack->setSpacing(10);
    auto* caption = new ToneLabel(title, ToneLabel::Tone::secondary, TavrinFont::make(13, QFont::DemiBold));
    caption->setContentsMargins(2, 0, 0, 0);
    stack->addWidget(caption);
    auto* card = new CardFrame(appearance, 14, 0);
    card->setShadow(0.04, 10, 4);
    auto* rows = new QVBoxLayout(card);
    rows->setContentsMargins(20, 0, 20, 0);
    rows->setSpacing(0);
    stack->addWidget(card);
    page->addLayout(stack);
    return rows;
}

QWidget* addRow(QVBoxLayout* section, const QString& title, QWidget* control)
{
    auto* row = new QHBoxLayout;
    row->setSpacing(8);
    auto* label = new ToneLabel(title, ToneLabel::Tone::primary, TavrinFont::make(14));
    // The title names the control for a screen reader; a group's fields are named one by one.
    if (control->focusPolicy() != Qt::NoFocus) {
        label->setBuddy(control);
    }
    row->addWidget(label);
    row->addStretch(1);
    row->addWidget(control);
    addBlock(section, row);
    return label;
}

void addBlock(QVBoxLayout* section, QLayout* content)
{
    addDividerIfNeeded(section);
    content->setContentsMargins(0, 14, 0, 14);
    section->addLayout(content);
}

QWidget* group(const QList<QWidget*>& parts)
{
    auto* box = new QWidget;
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(6);
    for (QWidget* part : parts) {
        part->setFont(TavrinFont::make(13));
        row->addWidget(part);
    }
    return box;
}

QWidget* groupText(const QString& text)
{
    return new ToneLabel(text, ToneLabel::Tone::primary, TavrinFont::make(13));
}

} // namespace SettingsLayout
