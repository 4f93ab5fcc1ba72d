// SPDX-License-Identifier: GPL-3.0-or-later
#include "QtOverlayWindowLayer.h"

#include "FadeIn.h"

#include "Accessibility.h"
#include "BreakOverlayContentView.h"
#include "WindowHints.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include <algorithm>

QtOverlayWindowLayer::QtOverlayWindowLayer(bool fadeIn, std::function<bool()> animations, QObject* parent)
    : QObject(parent)
    , m_fadeIn(fadeIn)
    , m_animations(std::move(animations))
{
}

QtOverlayWindowLayer::~QtOverlayWindowLayer()
{
    close();
}

QList<BreakOverlayContentView*> QtOverlayWindowLayer::windows() const
{
    QList<BreakOverlayContentView*> result;
    for (const auto& window : m_windows) {
        if (window) {
            result.append(window);
        }
    }
    return result;
}

void QtOverlayWindowLayer::open(const BreakOptions& options, const OverlayContent& content,
                                std::function<void()> onSkip, std::function<void()> onPostpone,
                                std::function<void()> onGuide)
{
    close();
    m_options = options;
    m_content = content;
    m_onSkip = std::move(onSkip);
    m_onPostpone = std::move(onPostpone);
    m_onGuide = std::move(onGuide);
    m_animated = !m_animations || m_animations();
    QSize largest;
    for (const QScreen* screen : QGuiApplication::screens()) {
        largest = largest.expandedTo(screen->geometry().size() * screen->devicePixelRatio());
    }
    m_background = OverlayBackground::load(options.backgroundImagePath, largest);

    m_screenConnections = {
        connect(qGuiApp, &QGuiApplication::screenAdded, this, &QtOverlayWindowLayer::addWindow),
        connect(qGuiApp, &QGuiApplication::screenRemoved, this, &QtOverlayWindowLayer::removeWindow),
    };
    for (QScreen* screen : QGuiApplication::screens()) {
        addWindow(screen);
    }
    followGuide();
}

void QtOverlayWindowLayer::addWindow(QScreen* screen)
{
    if (m_windows.contains(screen)) {
        return;
    }
    // Copies: either button closes the layer, which clears the callbacks while they would still be running.
    auto run = [](const std::function<void()>& callback) {
        const std::function<void()> copy = callback;
        if (copy) {
            copy();
        }
    };
    auto* window = new BreakOverlayContentView(
        m_options, m_background, [this, run] { run(m_onSkip); }, [this, run] { run(m_onPostpone); },
        [this, run] { run(m_onGuide); });
    window->setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    window->setWindowTitle(QStringLiteral("Tavrin"));
    // One display announces the break; the others are plain windows, so that it is said once.
    if (!m_windows.isEmpty()) {
        Accessibility::setRole(window, QAccessible::Window);
    }
    window->setAttribute(Qt::WA_DeleteOnClose, false);
    // Full screen and above: in the window manager's full-screen layer, over a focused full-screen window.
    WindowHints::applyTo(window, {WindowHints::Layer::above, true, true, false, true});
    window->windowHandle()->setScreen(screen);
    window->setGeometry(screen->geometry());
    window->showContent(m_content);
    if (m_fadeIn) {
        FadeIn::prepare(window);
    }
    window->show();
    window->raise();
    window->activateWindow();
    if (m_fadeIn) {
        FadeIn::start(window, kFadeInMs);
    }
    m_windows.insert(screen, window);
    showGuideFrame();
    emit windowAdded(window);
}

void QtOverlayWindowLayer::removeWindow(QScreen* screen)
{
    if (const QPointer<BreakOverlayContentView> window = m_windows.take(screen)) {
        window->hide();
        window->deleteLater();
    }
}

void QtOverlayWindowLayer::update(const OverlayContent& content)
{
    m_content = content;
    for (const auto& window : m_windows) {
        if (window) {
            window->showContent(content);
        }
    }
    followGuide();
}

void QtOverlayWindowLayer::followGuide()
{
    m_sinceUpdate.start();
    if (!m_content.guide) {
        // Stopped, or never started: no frames to draw.
        m_frames.reset();
        return;
    }
    if (m_animated && !m_frames) {
        m_frames = std::make_unique<QTimer>();
        m_frames->setTimerType(Qt::PreciseTimer);
        connect(m_frames.get(), &QTimer::timeout, this, &QtOverlayWindowLayer::showGuideFrame);
        m_frames->start(kFrameIntervalMs);
    }
    showGuideFrame();
}

void QtOverlayWindowLayer::showGuideFrame()
{
    if (!m_content.guide) {
        return;
    }
    // The same moment on every display: the last count plus the time since, never past the next count.
    const double seconds =
        m_content.guideSeconds + (m_animated ? std::min(m_sinceUpdate.elapsed() / 1000.0, 1.0) : 0.0);
    const GuidedMoves::Frame frame = GuidedMoves::frameAt(*m_content.guide, seconds, m_animated);
    for (const auto& window : std::as_const(m_windows)) {
        if (window) {
            window->showGuideFrame(*m_content.guide, frame);
        }
    }
}

void QtOverlayWindowLayer::close()
{
    for (const auto& connection : m_screenConnections) {
        disconnect(connection);
    }
    m_screenConnections.clear();
    // Hidden now, deleted once the event that asked for it (a click on skip) is done.
    for (const auto& window : std::as_const(m_windows)) {
        if (window) {
            window->hide();
            window->deleteLater();
        }
    }
    m_windows.clear();
    m_frames.reset();
    m_content = {};
    m_onSkip = nullptr;
    m_onPostpone = nullptr;
    m_onGuide = nullptr;
}
