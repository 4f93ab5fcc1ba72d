// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "EnumText.h"

// How a due break is presented: the full-screen overlay, or a floating banner the user can act on.
enum class ReminderStyle
{
    fullscreen,
    banner,
};

template <>
struct EnumTraits<ReminderStyle>
{
    static constexpr std::array<EnumCase<ReminderStyle>, 2> cases{{
        {ReminderStyle::fullscreen, u"fullscreen", QT_TRANSLATE_NOOP("EnumText", "全屏弹窗")},
        {ReminderStyle::banner, u"banner", QT_TRANSLATE_NOOP("EnumText", "通知横幅")},
    }};
};
