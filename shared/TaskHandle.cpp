// SPDX-License-Identifier: GPL-3.0-or-later
#include "TaskHandle.h"

TaskHandle::TaskHandle(std::function<void()> cancel)
    : m_state(std::make_shared<State>(State{std::move(cancel), false}))
{
}

void TaskHandle::cancel()
{
    if (!m_state || m_state->cancelled) {
        return;
    }
    m_state->cancelled = true;
    if (m_state->cancel) {
        // Move the callback out first: it may drop the last reference to whatever owns this state.
        auto cancel = std::move(m_state->cancel);
        m_state->cancel = nullptr;
        cancel();
    }
}

bool TaskHandle::isCancelled() const
{
    return !m_state || m_state->cancelled;
}
