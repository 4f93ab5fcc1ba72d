// SPDX-License-Identifier: GPL-3.0-or-later
#include "SettingsStore.h"

#include "SystemLog.h"
#include "UserDefaults.h"

SettingsStore::SettingsStore(UserDefaults& defaults, SystemLog* log, QObject* parent)
    : QObject(parent)
    , m_defaults(defaults)
    , m_log(log)
    , m_settings(AppSettings::factoryDefaults())
{
    // A readable record is held to the limits in memory, without being written back. An unreadable one
    // falls back to the defaults and stays stored as it was; it is kept aside before a change replaces it.
    if (const auto stored = m_defaults.data(kKey)) {
        QStringList ignored;
        if (const auto decoded = AppSettings::fromJson(*stored, &ignored)) {
            m_settings = decoded->withinLimits();
            if (!ignored.isEmpty() && m_log) {
                m_log->log(kIgnoredMembers, ignored.join(QStringLiteral(", ")));
            }
        } else {
            m_unreadable = *stored;
        }
    }
    checkSaved();
}

void SettingsStore::checkSaved()
{
    const std::optional<QString> problem = m_defaults.writeProblem();
    if (problem == m_saveProblem) {
        return;
    }
    m_saveProblem = problem;
    if (problem && m_log) {
        m_log->log(kNotSaved, *problem);
    }
    emit saveProblemChanged();
}

void SettingsStore::setSettings(const AppSettings& settings)
{
    const bool changed = settings != m_settings;
    m_settings = settings;
    emit settingsChanged(m_settings);
    if (changed) {
        save(m_settings);
    }
}

void SettingsStore::save(const AppSettings& settings)
{
    const QByteArray data = settings.toJson();
    if (data.isEmpty()) {
        return;
    }
    if (m_unreadable) {
        // Never over an earlier kept record: the next free name.
        QString key = kUnreadableKey;
        for (int n = 2; m_defaults.data(key) && m_defaults.data(key) != m_unreadable; ++n) {
            key = kUnreadableKey + u'-' + QString::number(n);
        }
        m_defaults.setData(key, *m_unreadable);
        if (m_log) {
            m_log->log(kUnreadableKept, key);
        }
        m_unreadable.reset();
    }
    m_defaults.setData(kKey, data);
    checkSaved();
}
