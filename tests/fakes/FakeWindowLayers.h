// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "BannerWindowLayer.h"
#include "OverlayWindowLayer.h"

// Window layers without windows, for the presenters' logic: they record what they are asked.

// Records what the presenter asks of the windows; "displays" is how many screens there are.
class FakeOverlayWindows final : public OverlayWindowLayer
{
public:
    void open(const BreakOptions& options, const OverlayContent& content, std::function<void()> onSkip,
              std::function<void()> onPostpone, std::function<void()> onGuide) override
    {
        opened = options;
        shown = content;
        skip = std::move(onSkip);
        postpone = std::move(onPostpone);
        guide = std::move(onGuide);
        windows = displays;
        ++opens;
        if (onOpen) {
            onOpen();
        }
    }
    void update(const OverlayContent& content) override { shown = content; }
    void close() override { windows = 0; }
    int windowCount() const override { return windows; }

    int displays = 2;
    int windows = 0;
    int opens = 0;
    BreakOptions opened;
    OverlayContent shown;
    std::function<void()> skip;
    std::function<void()> postpone;
    std::function<void()> guide;
    std::function<void()> onOpen;
};

class FakeBannerWindow final : public BannerWindowLayer
{
public:
    void show(const BannerContent& shownContent, std::function<void()> onAction,
              std::function<void()> onSecondaryAction, std::function<void()> onClose) override
    {
        content = shownContent;
        action = std::move(onAction);
        secondaryAction = std::move(onSecondaryAction);
        close = std::move(onClose);
        shown = true;
        ++shows;
    }
    void hide() override { shown = false; }
    bool isShown() const override { return shown; }

    BannerContent content;
    std::function<void()> action;
    std::function<void()> secondaryAction;
    std::function<void()> close;
    bool shown = false;
    int shows = 0;
};
