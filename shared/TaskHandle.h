// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <memory>

// A handle to a scheduled task. Cancelling is idempotent, and a cancelled task never runs, not even
// when it was already due. Copies share the task: cancelling one cancels it for all. Dropping a handle
// does not cancel the task.
class TaskHandle
{
public:
    TaskHandle() = default;
    explicit TaskHandle(std::function<void()> cancel);

    void cancel();
    bool isCancelled() const;

private:
    struct State
    {
        std::function<void()> cancel;
        bool cancelled = false;
    };
    std::shared_ptr<State> m_state;
};
