// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Appearance.h"

#include <QObject>
#include <QPalette>

class PortalColorScheme;

// Fusion with Tavrin's light and dark palettes for the whole application. ThemeMode::system follows the
// desktop portal live. isDark() is the one answer to "is the effective appearance dark" that colours are
// resolved against; widgets see a new palette only after the event loop turns.
class ThemeAppearance final : public QObject, public Appearance
{
    Q_OBJECT

public:
    // The portal may be null: then system means light.
    explicit ThemeAppearance(PortalColorScheme* portal, QObject* parent = nullptr);

    void apply(ThemeMode mode) override;
    bool isDark() const override { return m_dark; }

    static QPalette lightPalette();
    static QPalette darkPalette();

signals:
    void darkChanged(bool dark);

private:
    void update();

    PortalColorScheme* m_portal;
    ThemeMode m_mode = ThemeMode::system;
    bool m_dark = false;
    bool m_applied = false;
};
