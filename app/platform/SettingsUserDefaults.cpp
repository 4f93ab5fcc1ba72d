// SPDX-License-Identifier: GPL-3.0-or-later
#include "SettingsUserDefaults.h"

#include "PrivateFiles.h"

#include <QFileInfo>
#include <QStandardPaths>

SettingsUserDefaults::SettingsUserDefaults()
    // Where QSettings("Tavrin", "Tavrin") keeps its file, named here so that it can be looked at first.
    : SettingsUserDefaults(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                           QStringLiteral("/Tavrin/Tavrin.conf"))
{
}

SettingsUserDefaults::SettingsUserDefaults(const QString& iniPath)
    : m_path(iniPath)
{
    // QSettings reads its file as it is made; a look at what stands there first opens nothing.
    const QFileInfo file(m_path);
    if (file.exists() && !file.isFile()) {
        m_problem = m_path + QStringLiteral("：不是普通文件");
        return;
    }
    m_settings = std::make_unique<QSettings>(m_path, QSettings::IniFormat);
}

std::optional<QByteArray> SettingsUserDefaults::data(const QString& key) const
{
    if (m_problem) {
        const auto kept = m_inMemory.constFind(key);
        return kept == m_inMemory.cend() ? std::nullopt : std::optional(*kept);
    }
    const QVariant value = m_settings->value(key);
    if (value.typeId() != QMetaType::QByteArray) {
        return std::nullopt;
    }
    return value.toByteArray();
}

void SettingsUserDefaults::setData(const QString& key, const QByteArray& value)
{
    if (m_problem) {
        m_inMemory.insert(key, value);
        return;
    }
    m_settings->setValue(key, value);
    sync();
}

void SettingsUserDefaults::remove(const QString& key)
{
    if (m_problem) {
        m_inMemory.remove(key);
        return;
    }
    m_settings->remove(key);
    sync();
}

void SettingsUserDefaults::sync()
{
    // QSettings creates missing folders with the umask's mode; create ours private first.
    PrivateFiles::ensureDirectory(QFileInfo(m_path).absolutePath());
    m_settings->sync();
    PrivateFiles::restrictToOwner(m_path);
}
