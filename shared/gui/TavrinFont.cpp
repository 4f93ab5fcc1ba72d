#include "TavrinFont.h"

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

QFont make(qreal pixelSize, QFont::Weight weight)
{
    QFont font;
    font.setFamilies(families());
    font.setPixelSize(qRound(pixelSize));
    font.setWeight(weight);
    return font;
}

} // namespace TavrinFont
