// SPDX-License-Identifier: GPL-3.0-or-later
#include "StatusWidgetWindow.h"

#include "Accessibility.h"
#include "PrivateFiles.h"
#include "Scheduler.h"
#include "StatusPainter.h"
#include "WidgetTheme.h"
#include "WindowHints.h"

#include <QActionGroup>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QMenu>
#include <QPainter>
#include <QPointer>
#include <QScreen>
#include <QSettings>
#include <QWindow>

namespace {

// The words of this file, for translation; Chinese is the source language.
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(StatusWidgetWindow)
};

const QString kFamilyKey = QStringLiteral("family");
const QString kPositionKey = QStringLiteral("position");
constexpr qreal kCornerRadius = 22;
constexpr int kScreenMargin = 24;

QString familyValue(WidgetConfiguration::Family family)
{
    return family == WidgetConfiguration::Family::large ? QStringLiteral("large") : QStringLiteral("medium");
}

} // namespace

StatusWidgetWindow::StatusWidgetWindow(QSettings& settings, Scheduler& scheduler, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
    , m_settings(settings)
    , m_scheduler(scheduler)
{
    setWindowTitle(WidgetConfiguration::displayName());
    setObjectName(WidgetConfiguration::kind);
    Accessibility::setRole(this, QAccessible::Window);
    m_translucent = WindowHints::compositorRunning();
    setAttribute(Qt::WA_TranslucentBackground, m_translucent);
    WindowHints::applyTo(this, {WindowHints::Layer::below, true, true, false});
    m_family = m_settings.value(kFamilyKey).toString() == QLatin1StringView("large")
                   ? WidgetConfiguration::Family::large
                   : WidgetConfiguration::Family::medium;
    setFixedSize(StatusPainter::familySize(m_family).toSize());
    restorePosition();
}

StatusWidgetWindow::~StatusWidgetWindow()
{
    // A move that has not settled yet is still kept.
    if (!m_pendingSave.isCancelled()) {
        m_pendingSave.cancel();
        savePosition();
    }
}

void StatusWidgetWindow::setFamily(WidgetConfiguration::Family family)
{
    if (family == m_family) {
        return;
    }
    m_family = family;
    setFixedSize(StatusPainter::familySize(m_family).toSize());
    m_settings.setValue(kFamilyKey, familyValue(family));
    m_settings.sync();
    PrivateFiles::restrictToOwner(m_settings.fileName());
    update();
}

void StatusWidgetWindow::showEntry(const StatusEntry& entry)
{
    m_entry = entry;
    update();
}

void StatusWidgetWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF bounds = rect();
    // Without a compositor a translucent corner would be black: fill the whole window instead.
    if (m_translucent) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(WidgetTheme::containerBackground());
        painter.drawRoundedRect(bounds, kCornerRadius, kCornerRadius);
    } else {
        painter.fillRect(bounds, WidgetTheme::containerBackground());
    }
    StatusPainter status(painter, m_entry.isPlaceholder);
    status.paint(bounds, m_entry, m_family);
    // A screen reader reads what is drawn, in the order it is drawn.
    QStringList words;
    for (const StatusPainter::DrawnText& drawn : status.texts()) {
        words.append(drawn.text);
    }
    if (const QString description = words.join(u'\n'); description != accessibleDescription()) {
        setAccessibleDescription(description);
    }
}

void StatusWidgetWindow::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        return;
    }
    // Let the window manager move it (it knows the edges and other windows); by hand if it cannot.
    if (!windowHandle() || !windowHandle()->startSystemMove()) {
        m_dragOffset = event->globalPosition().toPoint() - frameGeometry().topLeft();
    }
}

void StatusWidgetWindow::mouseMoveEvent(QMouseEvent* event)
{
    if (m_dragOffset) {
        move(event->globalPosition().toPoint() - *m_dragOffset);
    }
}

void StatusWidgetWindow::mouseReleaseEvent(QMouseEvent*)
{
    m_dragOffset.reset();
    savePosition();
}

void StatusWidgetWindow::moveEvent(QMoveEvent* event)
{
    QWidget::moveEvent(event);
    if (!isVisible()) {
        return;
    }
    // The window manager moves the window step by step and tells nobody when the drag ends: store the
    // place once it has rested for a moment.
    m_pendingSave.cancel();
    QPointer<StatusWidgetWindow> self(this);
    m_pendingSave = m_scheduler.runAfter(kSettleTime, [self] {
        if (self) {
            self->m_pendingSave.cancel();
            self->savePosition();
        }
    });
}

void StatusWidgetWindow::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu menu(this);
    menu.addSection(WidgetConfiguration::displayName());
    QAction* about = menu.addAction(WidgetConfiguration::description());
    about->setEnabled(false);
    menu.addSeparator();
    auto* sizes = new QActionGroup(&menu);
    for (const auto family : WidgetConfiguration::supportedFamilies) {
        QAction* action = menu.addAction(WidgetConfiguration::familyTitle(family));
        action->setCheckable(true);
        action->setChecked(family == m_family);
        sizes->addAction(action);
        connect(action, &QAction::triggered, this, [this, family] { setFamily(family); });
    }
    menu.addSeparator();
    QAction* quit = menu.addAction(Texts::tr("退出小组件"));
    connect(quit, &QAction::triggered, qApp, &QCoreApplication::quit);
    menu.exec(event->globalPos());
}

void StatusWidgetWindow::restorePosition()
{
    const QVariant stored = m_settings.value(kPositionKey);
    if (stored.isValid()) {
        const QPoint position = stored.toPoint();
        // Only where a screen still shows it: a monitor may have gone since.
        const QRect wanted(position, size());
        for (const QScreen* screen : QGuiApplication::screens()) {
            if (screen->availableGeometry().intersects(wanted)) {
                move(position);
                return;
            }
        }
    }
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.right() - width() - kScreenMargin, area.top() + kScreenMargin);
    }
}

void StatusWidgetWindow::savePosition()
{
    if (m_settings.value(kPositionKey).toPoint() == pos()) {
        return;
    }
    m_settings.setValue(kPositionKey, pos());
    m_settings.sync();
    PrivateFiles::restrictToOwner(m_settings.fileName());
}
