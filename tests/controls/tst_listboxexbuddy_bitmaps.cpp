// The strip images and the clear-button image: sizes, 16 colours, one glyph per
// button cell in the strip's button order, and the 3-D colour mapping.

#include "platform/bitmap.h"
#include "platform/resources.h"
#include "platform/syscolors.h"
#include "resources/bitmaps.h"

#include <QApplication>
#include <QTest>

namespace {

const QColor Ground(192, 192, 192);
const QColor Face(236, 233, 216);
constexpr int CellWidth = 22;

// What a glyph is recognised by.
enum Glyph { New, Delete, Up, Down, Toggle };

const QList<QRgb>& SixteenColours()
{
    static const QList<QRgb> colours{0xFF000000, 0xFF800000, 0xFF008000, 0xFF808000, 0xFF000080, 0xFF800080,
                                     0xFF008080, 0xFFC0C0C0, 0xFF808080, 0xFFFF0000, 0xFF00FF00, 0xFFFFFF00,
                                     0xFF0000FF, 0xFFFF00FF, 0xFF00FFFF, 0xFFFFFFFF};
    return colours;
}

int CountIn(const QImage& image, int left, int right, QRgb colour, int top = 0, int bottom = -1)
{
    if (bottom < 0)
        bottom = image.height();
    int count = 0;
    for (int y = top; y < bottom; ++y) {
        for (int x = left; x < right; ++x)
            count += image.pixel(x, y) == colour ? 1 : 0;
    }
    return count;
}

// The row holding the most black pixels of a cell: an arrow's head is its widest row.
int WidestBlackRow(const QImage& image, int left)
{
    int widest = -1;
    int best = 0;
    for (int y = 0; y < image.height(); ++y) {
        const int count = CountIn(image, left, left + CellWidth, 0xFF000000, y, y + 1);
        if (count > best) {
            best = count;
            widest = y;
        }
    }
    return widest;
}

} // namespace

Q_DECLARE_METATYPE(QList<Glyph>)

class StripBitmapsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void stripImageHasItsSizeAndGlyphs_data();
    void stripImageHasItsSizeAndGlyphs();
    void clearImageIsACrossAlone();
    void loadingMapsTheGroundToTheFace();

private:
    ResourceModule m_module{"editor"};
};

void StripBitmapsTest::initTestCase()
{
    QPalette palette = QApplication::palette();
    palette.setColor(QPalette::Button, Face);
    QApplication::setPalette(palette);
    AddStripBitmaps(m_module);
}

void StripBitmapsTest::stripImageHasItsSizeAndGlyphs_data()
{
    QTest::addColumn<UINT>("id");
    QTest::addColumn<int>("width");
    QTest::addColumn<QList<Glyph>>("glyphs");
    QTest::newRow("133 variables") << IDB_VARIABLES_STRIP << 88 << QList<Glyph>{New, Delete, Up, Down};
    QTest::newRow("134 times") << IDB_TIMES_STRIP << 46 << QList<Glyph>{New, Delete};
    QTest::newRow("135 plot") << IDB_PLOT_STRIP << 67 << QList<Glyph>{Delete, Up, Down};
    QTest::newRow("147 profiles") << IDB_PROFILES_STRIP << 69 << QList<Glyph>{New, Delete, Toggle};
}

void StripBitmapsTest::stripImageHasItsSizeAndGlyphs()
{
    QFETCH(UINT, id);
    QFETCH(int, width);
    QFETCH(QList<Glyph>, glyphs);
    const QImage image =
        LoadImageBitmap(&m_module, id, LR_DEFAULTCOLOR).toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(image.size(), QSize(width, 20));
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            QVERIFY2(SixteenColours().contains(image.pixel(x, y)), "a colour outside the 16-colour palette");
    }

    // The cells are anchored to the right edge, as the buttons are; columns
    // left of the first cell are ground.
    const int first = width - static_cast<int>(glyphs.size()) * CellWidth;
    QCOMPARE(CountIn(image, 0, first, Ground.rgb()), first * 20);
    for (int i = 0; i < glyphs.size(); ++i) {
        const int left = first + i * CellWidth;
        const int right = left + CellWidth;
        const QByteArray where = QByteArray("cell ") + QByteArray::number(i);
        switch (glyphs[i]) {
        case New:
            QVERIFY2(CountIn(image, left, right, 0xFFFFFFFF) > 40, where + ": no white sheet");
            QVERIFY2(CountIn(image, left, right, 0xFFFFFF00) > 10, where + ": no yellow star");
            break;
        case Delete:
            QVERIFY2(CountIn(image, left, right, 0xFF800000) > 20, where + ": no dark red cross");
            QCOMPARE(CountIn(image, left, right, 0xFF800000) + CountIn(image, left, right, Ground.rgb()),
                     CellWidth * 20);
            break;
        case Up:
            QVERIFY2(WidestBlackRow(image, left) < 10, where + ": not an up arrow");
            break;
        case Down:
            QVERIFY2(WidestBlackRow(image, left) >= 10, where + ": not a down arrow");
            break;
        case Toggle:
            QVERIFY2(CountIn(image, left, right, 0xFF000080) > 8, where + ": no arrow between the digits");
            QVERIFY2(CountIn(image, left, left + 6, 0xFF000000) > 5, where + ": no 1 at the left");
            QVERIFY2(CountIn(image, right - 6, right, 0xFF000000) > 5, where + ": no 2 at the right");
            break;
        }
    }
}

void StripBitmapsTest::clearImageIsACrossAlone()
{
    const QImage image =
        LoadImageBitmap(&m_module, IDB_CLEAR, LR_DEFAULTCOLOR).toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(image.size(), QSize(20, 20));
    const int red = CountIn(image, 0, 20, 0xFF800000);
    QVERIFY(red > 20);
    QCOMPARE(red + CountIn(image, 0, 20, Ground.rgb()), 400);
    // Centred: the cross's middle is red, the corners are ground.
    QCOMPARE(image.pixel(9, 9), 0xFF800000u);
    QCOMPARE(image.pixel(10, 10), 0xFF800000u);
    QCOMPARE(image.pixel(0, 0), Ground.rgb());
    QCOMPARE(image.pixel(19, 19), Ground.rgb());
}

void StripBitmapsTest::loadingMapsTheGroundToTheFace()
{
    const QImage mapped = LoadImageBitmap(&m_module, IDB_PLOT_STRIP, LR_LOADMAP3DCOLORS).toImage();
    QCOMPARE(mapped.pixelColor(0, 0), Face);
    QCOMPARE(mapped.pixelColor(66, 19), Face);
    // The glyphs keep their colours.
    const int cross = CountIn(mapped.convertToFormat(QImage::Format_RGB32), 0, 67, 0xFF800000);
    QVERIFY(cross > 20);
    QCOMPARE(CountIn(mapped.convertToFormat(QImage::Format_RGB32), 0, 67, Ground.rgb()), 0);
}

QTEST_MAIN(StripBitmapsTest)
#include "tst_listboxexbuddy_bitmaps.moc"
