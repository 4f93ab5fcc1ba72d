// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

// The rest glyph above the break message: a small head under a sheltering arc.
class RestGlyphView final : public QWidget
{
public:
    explicit RestGlyphView(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};
