#include "NumberField.h"

#include "TavrinFont.h"
#include "ThemeColors.h"

#include <QLocale>
#include <QPainter>
#include <QRegularExpression>

#include <limits>

NumberField::NumberField(const Appearance& appearance, QWidget* parent)
    : QLineEdit(parent)
    , m_appearance(appearance)
{
    setFont(TavrinFont::make(13));
    setAlignment(Qt::AlignCenter);
    setFrame(false);
    setFixedWidth(44);
    setTextMargins(0, 6, 0, 6);
    // The rounded field is painted below; the line edit draws only its text.
    setAttribute(Qt::WA_TranslucentBackground);
    setStyleSheet(QStringLiteral("QLineEdit { background: transparent; border: none; }"));
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

void NumberField::paintEvent(QPaintEvent* event)
{
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        QColor outline = palette().color(QPalette::WindowText);
        outline.setAlphaF(hasFocus() ? 0.35f : 0.12f);
        painter.setPen(QPen(outline, 1));
        painter.setBrush(ThemeColors::fieldBackground(m_appearance));
        painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 8, 8);
    }
    QLineEdit::paintEvent(event);
}
