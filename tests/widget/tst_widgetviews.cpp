#include "StatusPainter.h"
#include "StatusProvider.h"
#include "StatusViewLogic.h"
#include "WidgetFonts.h"
#include "WidgetTheme.h"

#include <QDir>
#include <QFontInfo>
#include <QImage>
#include <QPainter>
#include <QRawFont>
#include <QTest>

Q_DECLARE_METATYPE(StatusEntry)

using Family = WidgetConfiguration::Family;
using namespace StatusViewLogic;

namespace {

const QDateTime kNow = QDateTime(QDate(2026, 12, 6), QTime(10, 0), Qt::UTC);

WidgetSnapshot snapshot(double percent, WidgetSnapshot::Mode mode, double continuous = 1620, double today = 15960)
{
    return {percent, mode, continuous, today, 2700, 300, kNow};
}

QImage render(const StatusEntry& entry, Family family)
{
    const QSize size = StatusPainter::familySize(family).toSize();
    QImage image(size * 2, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(2);
    image.fill(WidgetTheme::containerBackground());
    QPainter painter(&image);
    StatusPainter(painter, entry.isPlaceholder).paint(QRectF(QPointF(), QSizeF(size)), entry, family);
    return image;
}

// Screenshots for a person to look at, under the build folder.
void save(const QImage& image, const QString& name)
{
    const QString folder = QStringLiteral(TAVRIN_SCREENSHOT_DIR) + QStringLiteral("/widget");
    QDir().mkpath(folder);
    image.save(folder + u'/' + name + QStringLiteral(".png"));
}

int countNear(const QImage& image, const QColor& color, int tolerance = 12)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            if (qAbs(pixel.red() - color.red()) <= tolerance && qAbs(pixel.green() - color.green()) <= tolerance &&
                qAbs(pixel.blue() - color.blue()) <= tolerance) {
                ++count;
            }
        }
    }
    return count;
}

} // namespace

class WidgetViewsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(WidgetFonts::install()); }

    // Every text the widget can draw comes from its own font; a missing glyph would make it map the
    // system's large CJK files again.
    void theBundledFontCoversEveryText()
    {
        QStringList texts{kEmptyTitle,      kEmptyMessage,    kWorkedTitle, kUntilBreakTitle, kRingCaption,
                          kWorkTileCaption, kRestTileCaption, kLargeTitle,  durationText(90), durationText(2700)};
        using Mode = WidgetSnapshot::Mode;
        for (const auto& [mode, percent, age] :
             {std::tuple{Mode::working, 50.0, 0}, std::tuple{Mode::working, 100.0, 0},
              std::tuple{Mode::resting, 0.0, 0}, std::tuple{Mode::idle, 0.0, 0}, std::tuple{Mode::idle, 0.0, 999}}) {
            const WidgetSnapshot stored = snapshot(percent, mode, 100, 4000);
            texts << status(stored, kNow.addSecs(age)).text << stored.workedText() << minutesUntilBreakText(stored)
                  << ringNumber(1234567890);
        }
        QFont font(WidgetFonts::kFamily);
        for (const QFont::Weight weight : {QFont::Normal, QFont::DemiBold}) {
            font.setWeight(weight);
            QCOMPARE(QFontInfo(font).family(), WidgetFonts::kFamily);
            // The raw font is the bundled file alone, without the fallbacks QFontMetrics would consult.
            const QRawFont raw = QRawFont::fromFont(font);
            QCOMPARE(raw.familyName(), WidgetFonts::kFamily);
            for (const QString& text : texts) {
                for (const QChar c : text) {
                    if (c != u'\n') {
                        QVERIFY2(raw.supportsCharacter(c),
                                 qPrintable(QStringLiteral("missing glyph ") + c + u" in " + text));
                    }
                }
            }
        }
    }

    void screenshots_data()
    {
        QTest::addColumn<StatusEntry>("entry");
        QTest::addColumn<Family>("family");
        using Mode = WidgetSnapshot::Mode;
        const StatusEntry working{kNow, snapshot(68, Mode::working), false};
        const StatusEntry resting{kNow, snapshot(35, Mode::resting, 0), false};
        const StatusEntry idle{kNow, snapshot(12, Mode::idle, 0, 2700), false};
        const StatusEntry stale{kNow.addSecs(181), snapshot(68, Mode::working), false};
        const StatusEntry full{kNow, snapshot(100, Mode::working, 2760, 30000), false};
        for (const Family family : {Family::medium, Family::large}) {
            const QString size = family == Family::large ? QStringLiteral("large") : QStringLiteral("medium");
            QTest::addRow("%s-working", qPrintable(size)) << working << family;
            QTest::addRow("%s-resting", qPrintable(size)) << resting << family;
            QTest::addRow("%s-idle", qPrintable(size)) << idle << family;
            QTest::addRow("%s-stale", qPrintable(size)) << stale << family;
            QTest::addRow("%s-full", qPrintable(size)) << full << family;
            QTest::addRow("%s-empty", qPrintable(size)) << StatusEntry{kNow, std::nullopt, false} << family;
            QTest::addRow("%s-placeholder", qPrintable(size)) << StatusProvider::placeholder(kNow) << family;
        }
    }

    void screenshots()
    {
        QFETCH(StatusEntry, entry);
        QFETCH(Family, family);
        const QImage image = render(entry, family);
        save(image, QString::fromLatin1(QTest::currentDataTag()));
        QVERIFY(countNear(image, WidgetTheme::containerBackground(), 0) < image.width() * image.height());
    }
};

QTEST_MAIN(WidgetViewsTest)
#include "tst_widgetviews.moc"
