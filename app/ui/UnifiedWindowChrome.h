// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class Appearance;
class QWidget;

// The shared treatment of the dashboard and the settings window. The window manager keeps its own
// decorations; the page colour fills the window (again whenever the appearance changes), and pressing on
// empty background moves the window, as a title bar would.
class UnifiedWindowChrome final : public QObject
{
public:
    // Applies itself to the window for the window's lifetime (it is parented to it).
    static UnifiedWindowChrome* apply(QWidget* window, const Appearance& appearance);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    UnifiedWindowChrome(QWidget* window, const Appearance& appearance);
    void fillPage();

    QWidget* m_window;
    const Appearance& m_appearance;
    bool m_filling = false;
};
