// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "UserDefaults.h"

#include <QHash>
#include <QVariant>

// User defaults in memory. Counts writes, and can hold values that are not data, as a hand-edited
// settings file might.
class MemoryUserDefaults final : public UserDefaults
{
public:
    std::optional<QByteArray> data(const QString& key) const override;
    void setData(const QString& key, const QByteArray& value) override;
    void remove(const QString& key) override;

    void setRaw(const QString& key, const QVariant& value) { m_values.insert(key, value); }
    QVariant raw(const QString& key) const { return m_values.value(key); }
    bool contains(const QString& key) const { return m_values.contains(key); }
    int writeCount() const { return m_writes; }

private:
    QHash<QString, QVariant> m_values;
    int m_writes = 0;
};
