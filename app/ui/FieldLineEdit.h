// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLineEdit>

class Appearance;

// A text field of the settings window: text in 13 px on the field background of the appearance in force,
// in a rounded rectangle with a thin outline that darkens while the field has the focus.
class FieldLineEdit : public QLineEdit
{
public:
    FieldLineEdit(const Appearance& appearance, const QMargins& textMargins, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const Appearance& m_appearance;
};
