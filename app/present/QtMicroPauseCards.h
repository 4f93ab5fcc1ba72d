// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "MicroPausePresenting.h"

#include <QList>
#include <QObject>
#include <QPointer>

class MicroPauseCard;

// The micro-pause's card on every display, at the top centre of each one's available area. It fades in where
// the desktop allows animations (asked at each card) and simply appears where it asks for none.
class QtMicroPauseCards final : public QObject, public MicroPausePresenting
{
public:
    static constexpr int kFadeInMs = 200;

    explicit QtMicroPauseCards(std::function<bool()> animations = {}, QObject* parent = nullptr);
    ~QtMicroPauseCards() override;

    void show(int cue, std::function<void()> onSkip) override;
    void setProgress(double progress) override;
    void hide() override;
    bool isShown() const override { return !m_cards.isEmpty(); }

    const QList<QPointer<MicroPauseCard>>& cards() const { return m_cards; }

private:
    std::function<bool()> m_animations;
    QList<QPointer<MicroPauseCard>> m_cards;
};
