// SPDX-License-Identifier: GPL-3.0-or-later
#include "QtMicroPauseCards.h"

#include "FadeIn.h"
#include "MicroPauseCard.h"
#include "MicroPauseCues.h"

#include "WindowHints.h"

#include <QGuiApplication>
#include <QScreen>

QtMicroPauseCards::QtMicroPauseCards(std::function<bool()> animations, QObject* parent)
    : QObject(parent)
    , m_animations(std::move(animations))
{
}

QtMicroPauseCards::~QtMicroPauseCards()
{
    hide();
}

void QtMicroPauseCards::show(int cue, std::function<void()> onSkip)
{
    hide();
    // Faded in gently; without animations it is there at once, and it always goes at once.
    const bool fade = m_animations && m_animations() && WindowHints::compositorRunning();
    for (QScreen* screen : QGuiApplication::screens()) {
        auto* card = new MicroPauseCard(MicroPauseCues::cue(cue), onSkip);
        card->placeAtTopOf(screen->availableGeometry());
        if (fade) {
            FadeIn::prepare(card);
        }
        card->show();
        if (fade) {
            FadeIn::start(card, kFadeInMs);
        }
        m_cards.append(card);
    }
}

void QtMicroPauseCards::setProgress(double progress)
{
    for (const auto& card : std::as_const(m_cards)) {
        if (card) {
            card->setProgress(progress);
        }
    }
}

void QtMicroPauseCards::hide()
{
    // Hidden now, deleted after the event in progress (a click on its own skip).
    for (const auto& card : std::as_const(m_cards)) {
        if (card) {
            card->hide();
            card->deleteLater();
        }
    }
    m_cards.clear();
}
