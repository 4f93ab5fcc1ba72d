// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDBusConnection>
#include <QDBusVariant>
#include <QObject>

// The desktop's light/dark preference from the XDG desktop portal: org.freedesktop.appearance
// color-scheme (1 = prefer dark; 0 = no preference and 2 = prefer light both mean light here), read at
// start and followed live through SettingChanged. Without a portal the preference is light. Beside it,
// whether the desktop animates (GNOME's enable-animations, which the portal passes on): on unless the
// desktop says otherwise.
class PortalColorScheme final : public QObject
{
    Q_OBJECT

public:
    static constexpr int kReadTimeoutMs = 500;

    explicit PortalColorScheme(const QDBusConnection& bus = QDBusConnection::sessionBus(), QObject* parent = nullptr);

    bool prefersDark() const { return m_prefersDark; }
    bool animationsEnabled() const { return m_animations; }

signals:
    void prefersDarkChanged(bool prefersDark);

private slots:
    void onSettingChanged(const QString& group, const QString& key, const QDBusVariant& value);

private:
    void update(bool prefersDark);

    QDBusConnection m_bus;
    bool m_prefersDark = false;
    bool m_animations = true;
};
