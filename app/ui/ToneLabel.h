// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

// A label whose colour is a tone of the palette in force (primary, secondary or accent), resolved each
// time it is drawn, so it follows a change between the light and dark appearance.
class ToneLabel final : public QLabel
{
public:
    enum class Tone
    {
        primary,
        secondary,
        accent,
    };

    ToneLabel(const QString& text, Tone tone, const QFont& font, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Tone m_tone;
};
