// SPDX-License-Identifier: GPL-3.0-or-later
#include "TextLines.h"

#include <QFontMetricsF>
#include <QTextLayout>

namespace TextLines {

QStringList wrap(const QString& text, const QFont& font, qreal width, int maxLines)
{
    QStringList result;
    if (text.isEmpty() || maxLines < 1) {
        return result;
    }
    QTextLayout layout(text, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    layout.beginLayout();
    while (true) {
        QTextLine line = layout.createLine();
        if (!line.isValid()) {
            break;
        }
        line.setLineWidth(width);
        if (result.size() == maxLines - 1) {
            result.append(
                QFontMetricsF(font).elidedText(text.mid(line.textStart()).simplified(), Qt::ElideRight, width));
            break;
        }
        result.append(text.mid(line.textStart(), line.textLength()).trimmed());
    }
    layout.endLayout();
    return result;
}

} // namespace TextLines
