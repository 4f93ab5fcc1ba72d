// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class Appearance;
class QLayout;
class QVBoxLayout;
class QWidget;

// The building blocks of the settings window: titled sections holding a card of rows, rows with a title
// on the left and a control on the right, and the thin line between rows.
namespace SettingsLayout {

// Adds a section (its title, then its card) to the page and returns the card's row stack.
QVBoxLayout* addSection(QVBoxLayout* page, const QString& title, const Appearance& appearance);
// A row: the title, a flexible space, the control; 14 px above and below. A divider goes before every
// row but a section's first.
// Returns the row's title, to be disabled with its control.
QWidget* addRow(QVBoxLayout* section, const QString& title, QWidget* control);
// A block laid out by the caller, with the row's padding and the divider.
void addBlock(QVBoxLayout* section, QLayout* content);
// A horizontal group of controls and texts (13 px) for the right side of a row.
QWidget* group(const QList<QWidget*>& parts);
QWidget* groupText(const QString& text);

} // namespace SettingsLayout
