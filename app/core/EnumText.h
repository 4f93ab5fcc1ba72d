// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringView>

#include <array>
#include <optional>

// Enumerations of this project carry a text raw value, their stored form; those that are shown have a
// display title, marked for translation (QT_TRANSLATE_NOOP("EnumText", …)) and translated when asked for. Each
// enumeration lists its cases once, in declaration order, by specialising EnumTraits; the functions below answer every
// question from that list.
template <typename E>
struct EnumCase
{
    E value;
    const char16_t* rawValue;
    const char* title = nullptr;
};

template <typename E>
struct EnumTraits;

template <typename E>
QString rawValue(E value)
{
    for (const auto& entry : EnumTraits<E>::cases) {
        if (entry.value == value) {
            return QStringView(entry.rawValue).toString();
        }
    }
    return {};
}

// The display title; the raw value for enumerations that have no separate title.
template <typename E>
QString title(E value)
{
    for (const auto& entry : EnumTraits<E>::cases) {
        if (entry.value == value) {
            return entry.title ? QCoreApplication::translate("EnumText", entry.title)
                               : QStringView(entry.rawValue).toString();
        }
    }
    return {};
}

// The case whose raw value matches exactly, or nothing for any other text.
template <typename E>
std::optional<E> fromRawValue(QStringView text)
{
    for (const auto& entry : EnumTraits<E>::cases) {
        if (text == QStringView(entry.rawValue)) {
            return entry.value;
        }
    }
    return std::nullopt;
}

// All cases in declaration order (the order of the settings pickers).
template <typename E>
constexpr auto allCases()
{
    constexpr auto& cases = EnumTraits<E>::cases;
    std::array<E, cases.size()> values{};
    for (std::size_t i = 0; i < cases.size(); ++i) {
        values[i] = cases[i].value;
    }
    return values;
}
