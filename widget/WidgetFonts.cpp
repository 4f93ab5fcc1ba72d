#include "WidgetFonts.h"

#include "TavrinFont.h"

#include <QFontDatabase>

namespace WidgetFonts {

bool install()
{
    bool loaded = true;
    for (const char* style : {"Regular", "Bold"}) {
        const QString path = QStringLiteral(":/fonts/TavrinWidgetSans-") + QLatin1StringView(style) + u".otf";
        loaded = QFontDatabase::addApplicationFont(path) >= 0 && loaded;
    }
    if (loaded) {
        TavrinFont::setBundledFamily(kFamily);
    }
    return loaded;
}

} // namespace WidgetFonts
