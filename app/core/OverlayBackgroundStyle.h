// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "EnumText.h"

// The background of the break overlay: the built-in gradient, or the user's imported image.
enum class OverlayBackgroundStyle
{
    defaultStyle, // stored as "default"
    custom,
};

template <>
struct EnumTraits<OverlayBackgroundStyle>
{
    static constexpr std::array<EnumCase<OverlayBackgroundStyle>, 2> cases{{
        {OverlayBackgroundStyle::defaultStyle, u"default", QT_TRANSLATE_NOOP("EnumText", "默认")},
        {OverlayBackgroundStyle::custom, u"custom", QT_TRANSLATE_NOOP("EnumText", "自定义")},
    }};
};
