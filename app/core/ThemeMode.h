// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "EnumText.h"

// The application's appearance: the desktop's preference, or always light or dark.
enum class ThemeMode
{
    system,
    light,
    dark,
};

template <>
struct EnumTraits<ThemeMode>
{
    static constexpr std::array<EnumCase<ThemeMode>, 3> cases{{
        {ThemeMode::system, u"system", QT_TRANSLATE_NOOP("EnumText", "跟随系统")},
        {ThemeMode::light, u"light", QT_TRANSLATE_NOOP("EnumText", "浅色")},
        {ThemeMode::dark, u"dark", QT_TRANSLATE_NOOP("EnumText", "深色")},
    }};
};
