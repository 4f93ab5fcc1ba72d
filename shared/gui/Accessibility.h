// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessible>
#include <QRect>
#include <QString>

class QComboBox;
class QWidget;

// What a custom-painted view offers assistive technology: one entry per bar or point, each with the words a
// screen reader says for it and its place in the view.
class AccessibleItems
{
public:
    virtual ~AccessibleItems() = default;
    virtual int accessibleItemCount() const = 0;
    virtual QString accessibleItemText(int index) const = 0;
    // In the view's own coordinates.
    virtual QRect accessibleItemRect(int index) const = 0;
    // The entry chosen from the keyboard, or -1.
    virtual int accessibleCurrentItem() const { return -1; }
};

// Tavrin's widgets as a screen reader meets them, where Qt's own interfaces fall short: roles for plain
// widgets (windows, charts, texts), every window of the program listed (Qt leaves popups out, the tray
// panel among them), drop-downs named by what they set rather than by their value, and custom-painted
// views with their values.
namespace Accessibility {

// Installs Tavrin's interfaces; once, once the application object exists.
void install();
// The role announced for a plain widget; it may change while the widget lives (a break's first window is an
// alert, the others plain windows).
void setRole(QWidget* widget, QAccessible::Role role);
// A popup window listed among the program's windows while it is shown.
void listAmongWindows(QWidget* popup);
// A drop-down named by its accessible name or its label's text, its choice as its value.
void nameByPurpose(QComboBox* box);
// Tells assistive technology that the keyboard moved to another entry of a view with items.
void itemFocused(QWidget* view, int index);

} // namespace Accessibility
