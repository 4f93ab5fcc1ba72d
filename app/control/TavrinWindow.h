// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <array>
#include <optional>

// The windows the shell can open, by the names the command line and org.tavrin.Tavrin1.OpenWindow use.
enum class TavrinWindow
{
    dashboard,
    settings,
    history,
};

namespace WindowNames {

inline const std::array<QString, 3> kNames{QStringLiteral("dashboard"), QStringLiteral("settings"),
                                           QStringLiteral("history")};

inline QString name(TavrinWindow window)
{
    return kNames[static_cast<std::size_t>(window)];
}

inline std::optional<TavrinWindow> named(const QString& name)
{
    for (std::size_t index = 0; index < kNames.size(); ++index) {
        if (kNames[index] == name) {
            return static_cast<TavrinWindow>(index);
        }
    }
    return std::nullopt;
}

} // namespace WindowNames
