// SPDX-License-Identifier: GPL-3.0-or-later
#include "QtMicroPauseCards.h"

#include "MicroPauseCard.h"
#include "MicroPauseCues.h"

#include <QGuiApplication>
#include <QScreen>

QtMicroPauseCards::QtMicroPauseCards(QObject* parent)
    : QObject(parent)
{
}

QtMicroPauseCards::~QtMicroPauseCards()
{
    hide();
}

void QtMicroPauseCards::show(int cue, std::function<void()> onSkip)
{
    hide();
    // Shown without a fade: a card that asks for a few seconds comes and goes at once.
    for (QScreen* screen : QGuiApplication::screens()) {
        auto* card = new MicroPauseCard(MicroPauseCues::cue(cue), onSkip);
        card->placeAtTopOf(screen->availableGeometry());
        card->show();
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
