#include "TavrinFont.h"

#include <QStringList>

namespace TavrinFont {

QFont make(qreal pixelSize, QFont::Weight weight)
{
    QFont font;
    font.setFamilies({QStringLiteral("PingFang SC"), QStringLiteral("Noto Sans CJK SC"),
                      QStringLiteral("Source Han Sans SC"), QStringLiteral("WenQuanYi Micro Hei")});
    font.setPixelSize(qRound(pixelSize));
    font.setWeight(weight);
    return font;
}

} // namespace TavrinFont
