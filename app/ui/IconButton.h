// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QToolButton>

// A quick-action button of the dashboard: one or more symbols side by side, in the text colour at 0.86
// opacity (0.55 while pressed); when checkable and on, it sits on an accent-tinted rounded background.
class IconButton final : public QToolButton
{
public:
    IconButton(QStringList symbols, const QSize& size, QWidget* parent = nullptr);
    QSize sizeHint() const override { return m_size; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QStringList m_symbols;
    QSize m_size;
};
