// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "AppSettings.h"

#include <QObject>

#include <optional>

class SystemLog;
class UserDefaults;

// Keeps the settings record in the user defaults under one key. It loads in the constructor and writes
// nothing until the first assignment of a different record, so a record it could not read (or had to hold
// to AppSettings' limits) stays stored as it was until the user changes a setting.
class SettingsStore final : public QObject
{
    Q_OBJECT

public:
    static inline const QString kKey = QStringLiteral("Tavrin.AppSettings");

    // Where a record that cannot be read is kept before the first write replaces it.
    static inline const QString kUnreadableKey = QStringLiteral("Tavrin.AppSettings.unreadable");
    static inline const QString kIgnoredMembers =
        QString::fromUtf8(QT_TRANSLATE_NOOP("SystemLog", "Tavrin: 设置中无法读取的项已忽略，按默认值："));
    static inline const QString kUnreadableKept =
        QString::fromUtf8(QT_TRANSLATE_NOOP("SystemLog", "Tavrin: 设置无法读取，原记录已另存为："));
    static inline const QString kNotSaved =
        QString::fromUtf8(QT_TRANSLATE_NOOP("SystemLog", "Tavrin: 无法保存设置，更改只在本次运行中有效："));

    explicit SettingsStore(UserDefaults& defaults, SystemLog* log = nullptr, QObject* parent = nullptr);

    const AppSettings& settings() const { return m_settings; }
    // Replaces the record and tells observers; a record that differs from the current one is saved at once.
    void setSettings(const AppSettings& settings);
    // Why changes are not saved (the path and the reason); nothing while they are.
    const std::optional<QString>& saveProblem() const { return m_saveProblem; }

signals:
    void settingsChanged(const AppSettings& settings);
    void saveProblemChanged();

private:
    void save(const AppSettings& settings);
    // Takes the defaults' word on the last write: logged once per problem, told when it comes or goes.
    void checkSaved();

    UserDefaults& m_defaults;
    SystemLog* m_log;
    AppSettings m_settings;
    // The stored bytes that did not decode, until they are kept under kUnreadableKey.
    std::optional<QByteArray> m_unreadable;
    std::optional<QString> m_saveProblem;
};
