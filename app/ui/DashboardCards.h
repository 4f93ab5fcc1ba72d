// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DashboardModel.h"

#include <QWidget>

#include <optional>

class Appearance;

// A rounded card on the page: filled with the card (or chip) background of the appearance in force,
// outlined in the accent colour at a low opacity, with a soft shadow below.
class CardFrame : public QWidget
{
public:
    enum class Fill
    {
        card,
        chip,
    };

    CardFrame(const Appearance& appearance, qreal radius, double outlineOpacity, QWidget* parent = nullptr);
    // The outline's colour when it is not the accent colour.
    void setOutline(const QColor& color) { m_outline = color; }
    // Replaces the default shadow (black at 6 %, blur 22, 12 down).
    void setShadow(double opacity, qreal blur, qreal down);

protected:
    void paintEvent(QPaintEvent* event) override;
    const Appearance& appearance() const { return m_appearance; }

private:
    const Appearance& m_appearance;
    qreal m_radius;
    double m_outlineOpacity;
    std::optional<QColor> m_outline;
};

// One figure of the dashboard: a caption over a large number, with an optional trend badge beside it.
class StatPanel final : public CardFrame
{
public:
    StatPanel(const Appearance& appearance, const QString& title, bool compact, QWidget* parent = nullptr);
    void setValue(const QString& value, const std::optional<QString>& trend);
    QString value() const { return m_value; }
    std::optional<QString> trend() const { return m_trend; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_title;
    bool m_compact;
    QString m_value;
    std::optional<QString> m_trend;
};

// One fact of the active rule: a symbol, a title and a value on a capsule.
class RuleChipView final : public QWidget
{
public:
    RuleChipView(const Appearance& appearance, QWidget* parent = nullptr);
    void setChip(const DashboardModel::RuleChip& chip);
    const DashboardModel::RuleChip& chip() const { return m_chip; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const Appearance& m_appearance;
    DashboardModel::RuleChip m_chip;
};

// The brand mark: the logo when it loads, else a drawn pair of leaning capsules on an accent disc.
class AppLogoMark final : public QWidget
{
public:
    explicit AppLogoMark(std::optional<QPixmap> logo, QWidget* parent = nullptr);
    bool usesLogo() const { return m_logo.has_value(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::optional<QPixmap> m_logo;
};
