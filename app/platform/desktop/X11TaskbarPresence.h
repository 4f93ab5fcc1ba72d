// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "TaskbarPresence.h"

// Task bar presence through the window manager hints: accessory windows carry skip-taskbar and
// skip-pager, set before mapping and by client message on mapped windows.
class X11TaskbarPresence final : public TaskbarPresence
{
public:
    void setRegular(bool regular) override;
};
