// SPDX-License-Identifier: GPL-3.0-or-later
#include "PortalColorScheme.h"

#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusVariant>

#include <optional>

namespace {

const QString kService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kInterface = QStringLiteral("org.freedesktop.portal.Settings");
const QString kGroup = QStringLiteral("org.freedesktop.appearance");
const QString kKey = QStringLiteral("color-scheme");
const QString kMotionGroup = QStringLiteral("org.gnome.desktop.interface");
const QString kMotionKey = QStringLiteral("enable-animations");

// Read answers a variant inside a variant; SettingChanged carries one level. Unwrap whatever is there.
QVariant unwrap(QVariant value)
{
    for (int depth = 0; depth < 3; ++depth) {
        if (value.canConvert<QDBusVariant>() && value.userType() == qMetaTypeId<QDBusVariant>()) {
            value = value.value<QDBusVariant>().variant();
        } else if (value.userType() == qMetaTypeId<QDBusArgument>()) {
            QDBusVariant inner;
            value.value<QDBusArgument>() >> inner;
            value = inner.variant();
        } else {
            break;
        }
    }
    return value;
}

bool isDark(const QVariant& value)
{
    bool ok = false;
    const uint scheme = unwrap(value).toUInt(&ok);
    return ok && scheme == 1;
}

} // namespace

PortalColorScheme::PortalColorScheme(const QDBusConnection& bus, QObject* parent)
    : QObject(parent)
    , m_bus(bus)
{
    if (!m_bus.isConnected()) {
        return;
    }
    // WORKAROUND: QtDBus looks the slot's parameter types up by name, and QDBusVariant has no name until
    // something registers it; without this the connection fails silently and live changes are missed.
    qRegisterMetaType<QDBusVariant>();
    m_bus.connect(kService, kPath, kInterface, QStringLiteral("SettingChanged"), this,
                  SLOT(onSettingChanged(QString, QString, QDBusVariant)));
    const auto read = [this](const QString& group, const QString& key) -> std::optional<QVariant> {
        QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kInterface, QStringLiteral("Read"));
        call << group << key;
        const QDBusMessage reply = m_bus.call(call, QDBus::Block, kReadTimeoutMs);
        if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
            return std::nullopt;
        }
        return unwrap(reply.arguments().constFirst());
    };
    if (const auto scheme = read(kGroup, kKey)) {
        m_prefersDark = isDark(*scheme);
        if (const auto animations = read(kMotionGroup, kMotionKey);
            animations && animations->typeId() == QMetaType::Bool) {
            m_animations = animations->toBool();
        }
    }
}

void PortalColorScheme::onSettingChanged(const QString& group, const QString& key, const QDBusVariant& value)
{
    if (group == kGroup && key == kKey) {
        update(isDark(value.variant()));
    }
    if (group == kMotionGroup && key == kMotionKey && unwrap(value.variant()).typeId() == QMetaType::Bool) {
        m_animations = unwrap(value.variant()).toBool();
    }
}

void PortalColorScheme::update(bool prefersDark)
{
    if (prefersDark != m_prefersDark) {
        m_prefersDark = prefersDark;
        emit prefersDarkChanged(prefersDark);
    }
}
