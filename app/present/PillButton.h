// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractButton>

// The overlay's quiet skip button: a thin white capsule outline on a faint fill.
class PillButton final : public QAbstractButton
{
public:
    explicit PillButton(const QString& title, QWidget* parent = nullptr);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
};
