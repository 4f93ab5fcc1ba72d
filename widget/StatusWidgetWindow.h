#pragma once

#include "StatusEntry.h"
#include "WidgetConfiguration.h"

#include <QPoint>
#include <QWidget>

class QSettings;

// The desktop widget's window: frameless, on the desktop layer below other windows, on every workspace,
// without a task bar entry. Dragging moves it; the right-click menu switches the size and quits. Size
// and position are remembered.
class StatusWidgetWindow final : public QWidget
{
    Q_OBJECT

public:
    explicit StatusWidgetWindow(QSettings& settings, QWidget* parent = nullptr);

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
    WidgetConfiguration::Family m_family = WidgetConfiguration::Family::medium;
    StatusEntry m_entry;
    bool m_translucent = false;
    // Set while dragging by hand, where the window manager cannot move the window for us.
    std::optional<QPoint> m_dragOffset;
};
