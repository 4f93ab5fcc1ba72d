// SPDX-License-Identifier: GPL-3.0-or-later
#include "UnifiedWindowChrome.h"

#include "ThemeColors.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>
#include <QScrollArea>
#include <QVBoxLayout>
#include <QWidget>
#include <QWindow>

UnifiedWindowChrome* UnifiedWindowChrome::apply(QWidget* window, const Appearance& appearance)
{
    return new UnifiedWindowChrome(window, appearance);
}

UnifiedWindowChrome::UnifiedWindowChrome(QWidget* window, const Appearance& appearance)
    : QObject(window)
    , m_window(window)
    , m_appearance(appearance)
{
    m_window->setAutoFillBackground(true);
    m_window->installEventFilter(this);
    fillPage();
}

QWidget* UnifiedWindowChrome::scrollingPage(QWidget* window)
{
    auto* scroll = new QScrollArea(window);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    // No stop of its own for Tab, where its focus could not be seen: it follows the focus through the page.
    scroll->setFocusPolicy(Qt::NoFocus);
    // The page colour shows through.
    scroll->viewport()->setAutoFillBackground(false);
    auto* page = new QWidget;
    scroll->setWidget(page);
    page->setAutoFillBackground(false);
    auto* outer = new QVBoxLayout(window);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(scroll);
    return page;
}

void UnifiedWindowChrome::fitToScreen(QWidget* window, QSize minimum, QSize preferred)
{
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    // Room for the window manager's frame.
    const QSize room = screen ? screen->availableGeometry().size() - QSize(16, 48) : preferred;
    window->setMinimumSize(minimum.boundedTo(room));
    window->resize(preferred.boundedTo(room));
}

void UnifiedWindowChrome::fillPage()
{
    // Setting the palette sends a palette change of its own; do not answer it.
    if (m_filling) {
        return;
    }
    m_filling = true;
    QPalette palette = m_window->palette();
    palette.setColor(QPalette::Window, ThemeColors::pageBackground(m_appearance));
    m_window->setPalette(palette);
    m_filling = false;
}

bool UnifiedWindowChrome::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_window) {
        return false;
    }
    switch (event->type()) {
    case QEvent::ApplicationPaletteChange:
    case QEvent::PaletteChange:
    case QEvent::Show:
        fillPage();
        break;
    case QEvent::MouseButtonPress:
        // Only presses that reach the window itself: those on its controls are theirs.
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton && m_window->windowHandle()) {
            return m_window->windowHandle()->startSystemMove();
        }
        break;
    default:
        break;
    }
    return false;
}
