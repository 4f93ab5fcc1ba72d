// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

// The break's progress: a thin track, its filled part and a round knob at the fill's end.
class ProgressLineView final : public QWidget
{
public:
    explicit ProgressLineView(QWidget* parent = nullptr);

    double progress() const { return m_progress; }
    // Repaints only when the value changed.
    void setProgress(double progress);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    double m_progress = 0;
};
