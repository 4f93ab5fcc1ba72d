// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractButton>
#include <QColor>
#include <QFontInfo>
#include <QImage>
#include <QLabel>
#include <QStringList>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <functional>
#include <optional>

// Whether a person can read what a window shows: each text is drawn once with its words and once without,
// in place, and the pixels that differ are the text against what lies behind it. The contrast is WCAG's,
// between relative luminances; a text needs 4.5 : 1, a large one (24 px, or 19 px bold) 3 : 1.
namespace TextContrast {

inline double luminance(const QColor& color)
{
    const auto channel = [](double value) {
        return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(color.redF()) + 0.7152 * channel(color.greenF()) + 0.0722 * channel(color.blueF());
}

inline double ratio(const QColor& a, const QColor& b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

inline double needed(const QFont& font)
{
    const int pixels = QFontInfo(font).pixelSize();
    return pixels >= 24 || (pixels >= 19 && font.weight() >= QFont::Bold) ? 3.0 : 4.5;
}

// Reads or, with a value, sets the words of a widget that draws them itself; nullopt for other widgets.
using TextAccess = std::function<std::optional<QString>(QWidget*, const std::optional<QString>&)>;

// "objectName or class 'text': 1.27 < 4.5" for every visible label and button of the window (and every widget
// that custom knows) whose text is too faint.
inline QStringList faintTexts(QWidget* window, const TextAccess& custom = {})
{
    QStringList faint;
    const QImage with = window->grab().toImage();
    const qreal scale = with.devicePixelRatio();
    QList<QWidget*> widgets = window->findChildren<QWidget*>();
    widgets.prepend(window);
    for (QWidget* widget : widgets) {
        auto* label = qobject_cast<QLabel*>(widget);
        auto* button = qobject_cast<QAbstractButton*>(widget);
        const auto set = [&](const QString& words) {
            if (label) {
                label->setText(words);
            } else if (button) {
                button->setText(words);
            } else {
                custom(widget, words);
            }
        };
        const QString text = label    ? label->text()
                             : button ? button->text()
                             : custom ? custom(widget, std::nullopt).value_or(QString())
                                      : QString();
        // A dialog among the children is a window of its own, read on its own.
        if (text.isEmpty() || widget->window() != window || !widget->isVisibleTo(window) ||
            widget->visibleRegion().isEmpty()) {
            continue;
        }
        // Held at its size while its words are gone, so that nothing around it moves.
        const QSize size = widget->size();
        const QSize minimum = widget->minimumSize();
        const QSize maximum = widget->maximumSize();
        widget->setFixedSize(size);
        set(QString());
        const QImage without = window->grab().toImage();
        set(text);
        widget->setMinimumSize(minimum);
        widget->setMaximumSize(maximum);
        // The best contrast of the text's pixels against the same pixels without it; 0 where it drew nothing.
        const QRect area = QRect(widget->mapTo(window, QPoint(0, 0)) * scale, size * scale).intersected(with.rect());
        double contrast = 0;
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x) {
                if (with.pixel(x, y) != without.pixel(x, y)) {
                    contrast = std::max(contrast, ratio(with.pixelColor(x, y), without.pixelColor(x, y)));
                }
            }
        }
        if (contrast > 0 && contrast < needed(widget->font())) {
            const QString name =
                widget->objectName().isEmpty() ? widget->metaObject()->className() : widget->objectName();
            faint.append(QStringLiteral("%1 '%2': %3 < %4")
                             .arg(name, text)
                             .arg(contrast, 0, 'f', 2)
                             .arg(needed(widget->font())));
        }
    }
    return faint;
}

} // namespace TextContrast
