// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "FieldLineEdit.h"

#include <optional>

// A small centred field for a whole number in the user's locale. It checks no range: it hands every
// integer typed to its owner (on Return or when focus leaves), which clamps and shows the stored value
// back. Text that is not an integer is not committed; the field returns to the shown value.
class NumberField final : public FieldLineEdit
{
    Q_OBJECT

public:
    explicit NumberField(const Appearance& appearance, QWidget* parent = nullptr);

    // Shows a value (not while the user is typing in the field).
    void setValue(qint64 value);
    qint64 value() const { return m_value; }

    // The integer in the text, in the given locale; numbers too large for 64 bits saturate.
    static std::optional<qint64> parse(const QString& text, const QLocale& locale);

signals:
    void committed(qint64 value);

private:
    void commit();

    qint64 m_value = 0;
};
