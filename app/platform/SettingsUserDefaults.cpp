// SPDX-License-Identifier: GPL-3.0-or-later
#include "SettingsUserDefaults.h"

#include "PrivateFiles.h"

#include <QCoreApplication>
#include <QFile>
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
    , m_target(iniPath)
{
    // QSettings reads its file as it is made; a look at what stands there first opens nothing.
    const QFileInfo file(m_path);
    if (file.isSymLink()) {
        const QFileInfo target(file.symLinkTarget());
        if (!target.exists()) {
            m_problem = QCoreApplication::translate("SettingsUserDefaults", "%1：链接指向的文件不存在").arg(m_path);
        } else if (target.isFile()) {
            m_target = target.absoluteFilePath();
        }
    }
    if (!m_problem && file.exists() && !file.isFile()) {
        m_problem = QCoreApplication::translate("SettingsUserDefaults", "%1：不是普通文件").arg(m_path);
    }
    if (m_problem) {
        return;
    }
    m_settings = std::make_unique<QSettings>(m_target, QSettings::IniFormat);
    // A file QSettings cannot read or parse would be written over whole at the first change.
    m_unreadable = QFileInfo::exists(m_target) && m_settings->status() != QSettings::NoError;
}

std::optional<QByteArray> SettingsUserDefaults::data(const QString& key) const
{
    if (!m_settings) {
        const auto kept = m_inMemory.constFind(key);
        return kept == m_inMemory.cend() ? std::nullopt : std::optional(*kept);
    }
    const QVariant value = m_settings->value(key);
    // Written by Tavrin as a byte array; a JSON text typed in by hand is the record it plainly is.
    if (value.typeId() == QMetaType::QString && value.toString().trimmed().startsWith(u'{')) {
        return value.toString().toUtf8();
    }
    if (value.typeId() != QMetaType::QByteArray) {
        return std::nullopt;
    }
    return value.toByteArray();
}

void SettingsUserDefaults::setData(const QString& key, const QByteArray& value)
{
    if (!m_settings) {
        m_inMemory.insert(key, value);
        return;
    }
    m_settings->setValue(key, value);
    sync();
}

void SettingsUserDefaults::remove(const QString& key)
{
    if (!m_settings) {
        m_inMemory.remove(key);
        return;
    }
    m_settings->remove(key);
    sync();
}

void SettingsUserDefaults::reopen()
{
    // A QSettings keeps its first error for good: a new one, holding every value of the old, starts clean.
    auto fresh = std::make_unique<QSettings>(m_target, QSettings::IniFormat);
    for (const QString& key : m_settings->allKeys()) {
        fresh->setValue(key, m_settings->value(key));
    }
    m_settings = std::move(fresh);
}

bool SettingsUserDefaults::moveUnreadableAside()
{
    // Never over an earlier one: the next free name.
    QString aside = m_target + QStringLiteral(".unreadable");
    for (int n = 2; QFileInfo::exists(aside); ++n) {
        aside = m_target + QStringLiteral(".unreadable-") + QString::number(n);
    }
    if (!QFile::rename(m_target, aside)) {
        return false;
    }
    m_unreadable = false;
    reopen();
    return true;
}

void SettingsUserDefaults::sync()
{
    if (m_unreadable && !moveUnreadableAside()) {
        // Written over, it would be gone: the change stays in memory.
        m_problem = QCoreApplication::translate("SettingsUserDefaults", "%1：无法读取，也无法移到一旁").arg(m_target);
        return;
    }
    // QSettings creates missing folders with the umask's mode; create ours private first.
    const QString folder = QFileInfo(m_target).absolutePath();
    if (!PrivateFiles::ensureDirectory(folder)) {
        m_problem = QCoreApplication::translate("SettingsUserDefaults", "%1：无法创建文件夹").arg(folder);
        return;
    }
    if (m_settings->status() != QSettings::NoError) {
        reopen();
    }
    m_settings->sync();
    if (m_settings->status() != QSettings::NoError) {
        m_problem = QCoreApplication::translate("SettingsUserDefaults", "%1：无法写入").arg(m_target);
        return;
    }
    m_problem.reset();
    PrivateFiles::restrictToOwner(m_target);
}
