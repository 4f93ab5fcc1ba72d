// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "BreakOptions.h"
#include "OverlayWindowLayer.h"

#include <QWidget>

#include <functional>

class GuideView;
class OverlayBackground;
class OverlayTextLabel;
class PillButton;
class ProgressLineView;

// One display's overlay: the background, and centred on it the rest glyph, the message, the tip header
// and tip (or, once started, the guided move in their place), the countdown, the progress line and (when
// allowed) the skip button, with the postpone button beside it when the break can be put off and the
// button that starts the guided moves while they are offered. A tick changes only the countdown, tip and
// progress widgets, so only they are repainted.
class BreakOverlayContentView final : public QWidget
{
public:
    BreakOverlayContentView(const BreakOptions& options, const OverlayBackground& background,
                            std::function<void()> onSkip, std::function<void()> onPostpone,
                            std::function<void()> onGuide, QWidget* parent = nullptr);

    void showContent(const OverlayContent& content);
    void showGuideFrame(const GuidedMoves::Routine& routine, const GuidedMoves::Frame& frame);

    OverlayTextLabel* messageLabel() const { return m_message; }
    OverlayTextLabel* countdownLabel() const { return m_countdown; }
    OverlayTextLabel* tipLabel() const { return m_tip; }
    ProgressLineView* progressLine() const { return m_progress; }
    PillButton* skipButton() const { return m_skip; }
    PillButton* postponeButton() const { return m_postpone; }
    PillButton* guideButton() const { return m_guideButton; }
    GuideView* guideView() const { return m_guide; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void addGap(class QVBoxLayout* stack, int height);

private:
    const OverlayBackground& m_background;
    OverlayTextLabel* m_message = nullptr;
    OverlayTextLabel* m_tipHeader = nullptr;
    OverlayTextLabel* m_tip = nullptr;
    GuideView* m_guide = nullptr;
    OverlayTextLabel* m_countdown = nullptr;
    ProgressLineView* m_progress = nullptr;
    QWidget* m_glyph = nullptr;
    // The gaps between the parts, tightened on a short display (or with large text).
    QList<std::pair<class QSpacerItem*, int>> m_gaps;
    bool m_compact = false;
    PillButton* m_skip = nullptr;
    PillButton* m_postpone = nullptr;
    PillButton* m_guideButton = nullptr;
};
