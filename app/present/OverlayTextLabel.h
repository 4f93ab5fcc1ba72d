// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

// A centred white text of the overlay with a soft shadow, wrapped to at most the given number of lines
// (the last one elided) and at most the given width. With tabular set, digits keep one width, for the
// countdown. Repaints only itself, and only when its text changes.
class OverlayTextLabel final : public QWidget
{
public:
    OverlayTextLabel(const QFont& font, const QColor& color, int maxLines, int maxWidth, bool tabular = false,
                     QWidget* parent = nullptr);

    void setText(const QString& text);
    void setTextFont(const QFont& font);
    const QString& text() const { return m_text; }
    // The lines as drawn at the given width (the current one by default).
    QStringList lines(int atWidth = -1) const;

    QSize sizeHint() const override;
    bool hasHeightForWidth() const override { return !m_tabular; }
    int heightForWidth(int width) const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QFont m_font;
    QColor m_color;
    int m_maxLines;
    int m_maxWidth;
    bool m_tabular;
    QString m_text;
};
