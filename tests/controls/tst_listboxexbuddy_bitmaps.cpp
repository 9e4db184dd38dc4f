// The strip images and the clear-button image: each has its size, is drawn in
// the 16 standard colours on a grey ground, and loading it with 3-D mapping
// turns its greys into the current button colours.

#include "platform/core/resources.h"
#include "platform/drawing/bitmap.h"
#include "resources/bitmaps.h"
#include "support/projecttest.h"

#include <QApplication>
#include <QHash>
#include <QTest>

namespace {

const QColor Shadow(64, 64, 64);
const QColor Face(236, 233, 216);
const QColor Light(250, 250, 240);

} // namespace

class StripBitmapsTest : public QObject {
    Q_OBJECT
private slots:
    void imageHasItsSizeAndMapsItsGreys_data();
    void imageHasItsSizeAndMapsItsGreys();
};

void StripBitmapsTest::imageHasItsSizeAndMapsItsGreys_data()
{
    QTest::addColumn<UINT>("id");
    QTest::addColumn<QSize>("size");
    QTest::newRow("133 variables") << IDB_VARIABLES_STRIP << QSize(88, 20);
    QTest::newRow("134 times") << IDB_TIMES_STRIP << QSize(46, 20);
    QTest::newRow("135 plot") << IDB_PLOT_STRIP << QSize(67, 20);
    QTest::newRow("136 clear") << IDB_CLEAR << QSize(20, 20);
    QTest::newRow("147 profiles") << IDB_PROFILES_STRIP << QSize(69, 20);
}

void StripBitmapsTest::imageHasItsSizeAndMapsItsGreys()
{
    QFETCH(UINT, id);
    QFETCH(QSize, size);
    QPalette palette = QApplication::palette();
    palette.setColor(QPalette::Mid, Shadow);
    palette.setColor(QPalette::Button, Face);
    palette.setColor(QPalette::Midlight, Light);
    QApplication::setPalette(palette);
    ResourceModule module("editor");
    AddStripBitmaps(module);
    const auto load = [&](UINT flags) {
        return LoadImageBitmap(&module, id, flags).toImage().convertToFormat(QImage::Format_RGB32);
    };
    const QImage drawn = load(LR_DEFAULTCOLOR);
    const QImage mapped = load(LR_LOADMAP3DCOLORS);
    QCOMPARE(drawn.size(), size);
    QCOMPARE(mapped.size(), size);
    QCOMPARE(drawn.pixel(0, 0), 0xFFC0C0C0u); // the ground
    const QList<QRgb> sixteen {0xFF000000, 0xFF800000, 0xFF008000, 0xFF808000, 0xFF000080, 0xFF800080, 0xFF008080,
        0xFFC0C0C0, 0xFF808080, 0xFFFF0000, 0xFF00FF00, 0xFFFFFF00, 0xFF0000FF, 0xFFFF00FF, 0xFF00FFFF, 0xFFFFFFFF};
    const QHash<QRgb, QRgb> greys {{0xFF808080, Shadow.rgb()}, {0xFFC0C0C0, Face.rgb()}, {0xFFDFDFDF, Light.rgb()}};
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) {
            const QRgb pixel = drawn.pixel(x, y);
            QVERIFY2(
                sixteen.contains(pixel), qPrintable(QStringLiteral("%1 at %2,%3").arg(pixel, 0, 16).arg(x).arg(y)));
            QCOMPARE(mapped.pixel(x, y), greys.value(pixel, pixel));
        }
    }
}

PE_TEST_MAIN(StripBitmapsTest)
#include "tst_listboxexbuddy_bitmaps.moc"
