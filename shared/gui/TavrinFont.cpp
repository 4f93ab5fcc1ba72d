// SPDX-License-Identifier: GPL-3.0-or-later
#include "TavrinFont.h"

#include <QFontDatabase>

#include <QStringList>

namespace TavrinFont {

namespace {

QString& bundledFamily()
{
    static QString family;
    return family;
}

} // namespace

QStringList families()
{
    QStringList list{QStringLiteral("PingFang SC"), QStringLiteral("Noto Sans CJK SC"),
                     QStringLiteral("Source Han Sans SC"), QStringLiteral("WenQuanYi Micro Hei")};
    if (!bundledFamily().isEmpty()) {
        list.insert(1, bundledFamily());
    }
    return list;
}

void setBundledFamily(const QString& family)
{
    bundledFamily() = family;
}

bool installBundledFamily(const QString& family, const QString& resourceStem)
{
    bool loaded = true;
    for (const char* style : {"Regular", "Bold"}) {
        const QString path = resourceStem + u'-' + QLatin1StringView(style) + u".otf";
        loaded = QFontDatabase::addApplicationFont(path) >= 0 && loaded;
    }
    if (loaded) {
        setBundledFamily(family);
    }
    return loaded;
}

QFont make(qreal pixelSize, QFont::Weight weight)
{
    QFont font;
    font.setFamilies(families());
    font.setPixelSize(qRound(pixelSize));
    font.setWeight(weight);
    return font;
}

} // namespace TavrinFont
