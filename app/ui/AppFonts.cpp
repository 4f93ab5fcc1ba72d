#include "AppFonts.h"

#include "TavrinFont.h"

#include <QFontDatabase>

namespace AppFonts {

bool install()
{
    bool loaded = true;
    for (const char* style : {"Regular", "Bold"}) {
        const QString path = QStringLiteral(":/fonts/TavrinSans-") + QLatin1StringView(style) + u".otf";
        loaded = QFontDatabase::addApplicationFont(path) >= 0 && loaded;
    }
    if (loaded) {
        TavrinFont::setBundledFamily(kFamily);
    }
    return loaded;
}

} // namespace AppFonts
