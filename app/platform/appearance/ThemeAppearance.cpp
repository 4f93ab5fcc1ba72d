// SPDX-License-Identifier: GPL-3.0-or-later
#include "ThemeAppearance.h"

#include "PortalColorScheme.h"

#include <QApplication>
#include <QStyle>

namespace {

// highlight fills what carries white text (a chosen period, an action button, a switch); link is the accent as a
// text colour on the window, lighter in the dark theme. Both keep 4.5 : 1 for small text.
QPalette makePalette(const QColor& window, const QColor& base, const QColor& alternate, const QColor& text,
                     const QColor& mutedText, const QColor& button, const QColor& highlight, const QColor& link,
                     const QColor& mid)
{
    QPalette palette;
    palette.setColor(QPalette::Window, window);
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Base, base);
    palette.setColor(QPalette::AlternateBase, alternate);
    palette.setColor(QPalette::ToolTipBase, base);
    palette.setColor(QPalette::ToolTipText, text);
    palette.setColor(QPalette::PlaceholderText, mutedText);
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::Button, button);
    palette.setColor(QPalette::ButtonText, text);
    palette.setColor(QPalette::BrightText, Qt::white);
    palette.setColor(QPalette::Highlight, highlight);
    palette.setColor(QPalette::HighlightedText, Qt::white);
    palette.setColor(QPalette::Link, link);
    palette.setColor(QPalette::LinkVisited, link.darker(115));
    palette.setColor(QPalette::Light, button.lighter(120));
    palette.setColor(QPalette::Midlight, button.lighter(110));
    palette.setColor(QPalette::Mid, mid);
    palette.setColor(QPalette::Dark, mid.darker(130));
    palette.setColor(QPalette::Shadow, QColor(0, 0, 0, 90));
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        palette.setColor(QPalette::Disabled, role, mutedText);
    }
    palette.setColor(QPalette::Disabled, QPalette::Highlight, mid);
    return palette;
}

} // namespace

QPalette ThemeAppearance::lightPalette()
{
    return makePalette(QColor(0xF4, 0xF5, 0xF7), Qt::white, QColor(0xF7, 0xF8, 0xFA), QColor(0x1D, 0x1D, 0x1F),
                       QColor(0x86, 0x86, 0x8B), QColor(0xFB, 0xFB, 0xFC), QColor(0x00, 0x64, 0xD2),
                       QColor(0x00, 0x64, 0xD2), QColor(0xC7, 0xC9, 0xCE));
}

QPalette ThemeAppearance::darkPalette()
{
    return makePalette(QColor(0x1E, 0x1F, 0x22), QColor(0x28, 0x29, 0x2D), QColor(0x2E, 0x30, 0x34),
                       QColor(0xEC, 0xEC, 0xEE), QColor(0x8E, 0x8E, 0x93), QColor(0x33, 0x35, 0x39),
                       QColor(0x00, 0x64, 0xD2), QColor(0x40, 0x9C, 0xFF), QColor(0x48, 0x4A, 0x50));
}

ThemeAppearance::ThemeAppearance(PortalColorScheme* portal, QObject* parent)
    : QObject(parent)
    , m_portal(portal)
{
    if (m_portal) {
        connect(m_portal, &PortalColorScheme::prefersDarkChanged, this, [this] {
            if (m_mode == ThemeMode::system) {
                update();
            }
        });
    }
}

void ThemeAppearance::apply(ThemeMode mode)
{
    m_mode = mode;
    update();
}

void ThemeAppearance::update()
{
    bool dark = false;
    switch (m_mode) {
    case ThemeMode::system:
        dark = m_portal && m_portal->prefersDark();
        break;
    case ThemeMode::light:
        dark = false;
        break;
    case ThemeMode::dark:
        dark = true;
        break;
    }
    if (!m_applied) {
        QApplication::setStyle(QStringLiteral("Fusion"));
    }
    if (m_applied && dark == m_dark) {
        return;
    }
    m_applied = true;
    m_dark = dark;
    QApplication::setPalette(dark ? darkPalette() : lightPalette());
    emit darkChanged(dark);
}
