// SPDX-License-Identifier: GPL-3.0-or-later
#include "SettingsUserDefaults.h"

#include "PrivateFiles.h"

#include <QFileInfo>

SettingsUserDefaults::SettingsUserDefaults()
    : m_settings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Tavrin"), QStringLiteral("Tavrin"))
{
}

SettingsUserDefaults::SettingsUserDefaults(const QString& iniPath)
    : m_settings(iniPath, QSettings::IniFormat)
{
}

std::optional<QByteArray> SettingsUserDefaults::data(const QString& key) const
{
    const QVariant value = m_settings.value(key);
    if (value.typeId() != QMetaType::QByteArray) {
        return std::nullopt;
    }
    return value.toByteArray();
}

void SettingsUserDefaults::setData(const QString& key, const QByteArray& value)
{
    m_settings.setValue(key, value);
    sync();
}

void SettingsUserDefaults::remove(const QString& key)
{
    m_settings.remove(key);
    sync();
}

void SettingsUserDefaults::sync()
{
    // QSettings creates missing folders with the umask's mode; create ours private first.
    PrivateFiles::ensureDirectory(QFileInfo(m_settings.fileName()).absolutePath());
    m_settings.sync();
    PrivateFiles::restrictToOwner(m_settings.fileName());
}
