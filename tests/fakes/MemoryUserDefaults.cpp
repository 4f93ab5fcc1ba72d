// SPDX-License-Identifier: GPL-3.0-or-later
#include "MemoryUserDefaults.h"

std::optional<QByteArray> MemoryUserDefaults::data(const QString& key) const
{
    const QVariant value = m_values.value(key);
    if (value.typeId() != QMetaType::QByteArray) {
        return std::nullopt;
    }
    return value.toByteArray();
}

void MemoryUserDefaults::setData(const QString& key, const QByteArray& value)
{
    m_values.insert(key, value);
    ++m_writes;
}

void MemoryUserDefaults::remove(const QString& key)
{
    m_values.remove(key);
    ++m_writes;
}
