// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "EnumText.h"

// The language of Tavrin's texts: the desktop's (Chinese for a Chinese locale, English for any other), or one
// chosen. The stored values are the ones the widget reads from the snapshot.
enum class LanguageChoice
{
    system,
    chinese,
    english,
};

// A language is named in itself, the same in every language: only "follow the system" is translated.
template <>
struct EnumTraits<LanguageChoice>
{
    static constexpr std::array<EnumCase<LanguageChoice>, 3> cases{{
        {LanguageChoice::system, u"system", QT_TRANSLATE_NOOP("EnumText", "跟随系统")},
        {LanguageChoice::chinese, u"zh_CN", "简体中文"},
        {LanguageChoice::english, u"en", "English"},
    }};
};
