// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Whether Tavrin's ordinary windows (dashboard, settings) have task bar entries. The tray icon stays
// either way.
class TaskbarPresence
{
public:
    virtual ~TaskbarPresence() = default;
    // Regular: task bar and pager entries. Accessory: none. Applies to the windows that exist and to
    // every window shown later.
    virtual void setRegular(bool regular) = 0;
};
