// SPDX-License-Identifier: GPL-3.0-or-later
#include "NumberField.h"

#include <QLocale>
#include <QRegularExpression>

#include <limits>

NumberField::NumberField(const Appearance& appearance, QWidget* parent)
    : FieldLineEdit(appearance, QMargins(0, 6, 0, 6), parent)
{
    setAlignment(Qt::AlignCenter);
    setFixedWidth(44);
    connect(this, &QLineEdit::editingFinished, this, &NumberField::commit);
    setText(locale().toString(m_value));
}

void NumberField::setValue(qint64 value)
{
    m_value = value;
    if (!hasFocus() || !isModified()) {
        setText(locale().toString(value));
        setModified(false);
    }
}

std::optional<qint64> NumberField::parse(const QString& text, const QLocale& locale)
{
    const QString trimmed = text.trimmed();
    bool ok = false;
    const qint64 value = locale.toLongLong(trimmed, &ok);
    if (ok) {
        return value;
    }
    // A run of digits too long for 64 bits still means "very large": let the owner clamp it.
    static const QRegularExpression digits(QStringLiteral("^([+-]?)[0-9]{19,}$"));
    const QRegularExpressionMatch match = digits.match(trimmed);
    if (match.hasMatch()) {
        return match.captured(1) == QLatin1String("-") ? std::numeric_limits<qint64>::min()
                                                       : std::numeric_limits<qint64>::max();
    }
    return std::nullopt;
}

void NumberField::commit()
{
    const auto typed = parse(text(), locale());
    setModified(false);
    if (!typed) {
        setText(locale().toString(m_value));
        return;
    }
    emit committed(*typed);
    // The owner has stored (and clamped) it and called setValue; show that.
    setText(locale().toString(m_value));
}
