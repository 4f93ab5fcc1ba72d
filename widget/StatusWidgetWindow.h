// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "StatusEntry.h"
#include "WidgetConfiguration.h"

#include <QPoint>
#include <QWidget>

#include <chrono>

#include "TaskHandle.h"

class QSettings;
class Scheduler;

// The desktop widget's window: frameless, on the desktop layer below other windows, on every workspace,
// without a task bar entry. Dragging moves it; the right-click menu switches the size and quits. Size
// and position are remembered: the position once a drag has come to rest, not at every step of it.
class StatusWidgetWindow final : public QWidget
{
    Q_OBJECT

public:
    // The position is stored this long after the window last moved.
    static constexpr std::chrono::milliseconds kSettleTime{500};

    StatusWidgetWindow(QSettings& settings, Scheduler& scheduler, QWidget* parent = nullptr);
    ~StatusWidgetWindow() override;

    WidgetConfiguration::Family family() const { return m_family; }
    void setFamily(WidgetConfiguration::Family family);
    void showEntry(const StatusEntry& entry);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    void restorePosition();
    void savePosition();

    QSettings& m_settings;
    Scheduler& m_scheduler;
    TaskHandle m_pendingSave;
    WidgetConfiguration::Family m_family = WidgetConfiguration::Family::medium;
    StatusEntry m_entry;
    bool m_translucent = false;
    // Set while dragging by hand, where the window manager cannot move the window for us.
    std::optional<QPoint> m_dragOffset;
};
