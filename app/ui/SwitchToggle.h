// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractButton>

class QVariantAnimation;

// An on/off switch without a label: a rounded track with a sliding knob, in the accent colour when on.
// It is a checkable button, so a click, Space, and (when focused) the Left/Right keys change it, and
// screen readers see a check box.
class SwitchToggle final : public QAbstractButton
{
    Q_OBJECT

public:
    explicit SwitchToggle(QWidget* parent = nullptr);

    QSize sizeHint() const override;
    // Sets the state without emitting toggled(): the window showing the stored value.
    void setCheckedSilently(bool on);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void checkStateSet() override;
    void nextCheckState() override;
    bool hitButton(const QPoint& position) const override;

private:
    void animateTo(bool on);

    qreal m_position = 0; // 0 = off, 1 = on
    QVariantAnimation* m_animation;
};
