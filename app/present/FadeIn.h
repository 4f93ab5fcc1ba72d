// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPropertyAnimation>
#include <QWidget>

// A window shown with a fade: transparent first, then its opacity brought to full over the given time.
// Call prepare before show() and start after it; the animation belongs to the window.
namespace FadeIn {

inline void prepare(QWidget* window)
{
    window->setWindowOpacity(0);
}

inline void start(QWidget* window, int milliseconds)
{
    auto* fade = new QPropertyAnimation(window, "windowOpacity", window);
    fade->setDuration(milliseconds);
    fade->setStartValue(0.0);
    fade->setEndValue(1.0);
    fade->start(QAbstractAnimation::DeleteWhenStopped);
}

} // namespace FadeIn
