// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class Appearance;
class QSize;
class QWidget;

// The shared treatment of the dashboard and the settings window. The window manager keeps its own
// decorations; the page colour fills the window (again whenever the appearance changes), and pressing on
// empty background moves the window, as a title bar would.
class UnifiedWindowChrome final : public QObject
{
public:
    // Applies itself to the window for the window's lifetime (it is parented to it).
    static UnifiedWindowChrome* apply(QWidget* window, const Appearance& appearance);
    // The window's page inside a scroll area that fills it: where the screen's free area is smaller than the
    // page (large text, a small display) the page scrolls rather than run off the screen. Lay the page out on
    // the returned widget.
    static QWidget* scrollingPage(QWidget* window);
    // The window opens at the preferred size and allows the minimum, each within the screen's free area.
    static void fitToScreen(QWidget* window, QSize minimum, QSize preferred);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    UnifiedWindowChrome(QWidget* window, const Appearance& appearance);
    void fillPage();

    QWidget* m_window;
    const Appearance& m_appearance;
    bool m_filling = false;
};
