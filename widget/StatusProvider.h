// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "StatusEntry.h"

#include <optional>

// Answers the widget host's three requests as pure functions of the current time, the loaded snapshot
// and the preview flag. The host reads the file; nothing here touches it.
namespace StatusProvider {

constexpr qint64 kReloadAfterSeconds = 900;
constexpr int kProjectedMinutes = 15;

// A snapshot to show before the application ever ran: the gallery's preview and the placeholder.
// Built once per process.
const WidgetSnapshot& sample();

// The redacted gallery placeholder; reads nothing.
StatusEntry placeholder(const QDateTime& now);
// One entry of the current state; the sample stands in for a missing snapshot in the gallery preview.
StatusEntry snapshot(const QDateTime& now, const std::optional<WidgetSnapshot>& loaded, bool isPreview);
// The current state, and while the user works (with a fresh snapshot) fifteen more entries a minute
// apart that keep counting; ask again after fifteen minutes.
StatusTimeline timeline(const QDateTime& now, const std::optional<WidgetSnapshot>& loaded);

} // namespace StatusProvider
