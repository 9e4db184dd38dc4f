// Drawing helpers: 3-D edges in the system colours, and bitmaps loaded from the
// resource modules with the grey shades mapped to the 3-D colours.

#include "platform/bitmap.h"
#include "platform/drawedge.h"
#include "platform/resources.h"
#include "platform/syscolors.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QPalette>
#include <QTest>

namespace {

// Colours far from every grey, so that each system colour is recognisable.
const QColor Face(10, 20, 30);
const QColor Shadow(0, 0, 200);
const QColor Highlight(250, 250, 0);
const QColor Light(0, 200, 0);
const QColor DarkShadow(90, 0, 90);
const QColor Ground(255, 0, 255);

const char* const SmallXpm[] = {"3 2 1 1", "a c #000000", "aaa", "aaa"};
const char* const LargeXpm[] = {"5 4 1 1", "a c #FFFFFF", "aaaaa", "aaaaa", "aaaaa", "aaaaa"};
const char* const BrokenXpm[] = {"not an image"};
// The three mapped greys, a grey next to one of them, and white.
const char* const GreysXpm[] = {"5 1 5 1",    "a c #808080", "b c #C0C0C0", "c c #DFDFDF",
                                "d c #C0C0C1", "e c #FFFFFF", "abcde"};

QImage EdgeImage(UINT edge, const RECT& rect = RECT{2, 2, 10, 8})
{
    QImage image(12, 10, QImage::Format_RGB32);
    image.fill(Ground);
    QPainter painter(&image);
    DrawEdge(painter, rect, edge, BF_RECT);
    return image;
}

QColor Pixel(const QImage& image, int x, int y)
{
    return image.pixelColor(x, y);
}

} // namespace

class GdiTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();

    void singleEdgeLiesOnTheBorder_data();
    void singleEdgeLiesOnTheBorder();
    void innerEdgeNestsInsideOuterEdge();
    void emptyRectangleDrawsNothing();

    void loadSearchesGivenModuleFirstThenChain();
    void missingOrUnreadableBitmapIsNull();
    void loadMaps3DColoursOnlyWhenAsked_data();
    void loadMaps3DColoursOnlyWhenAsked();

private:
    ResourceModule m_chainModule{"chain"};
    ResourceModule m_ownModule{"own"};
};

void GdiTest::initTestCase()
{
    QPalette palette = QApplication::palette();
    palette.setColor(QPalette::Button, Face);
    palette.setColor(QPalette::Mid, Shadow);
    palette.setColor(QPalette::Light, Highlight);
    palette.setColor(QPalette::Midlight, Light);
    palette.setColor(QPalette::Shadow, DarkShadow);
    QApplication::setPalette(palette);
    QCOMPARE(GetSysColor(COLOR_BTNFACE), Face);

    m_chainModule.AddBitmap(900, LargeXpm);
    m_chainModule.AddBitmap(901, LargeXpm);
    m_chainModule.AddBitmap(902, BrokenXpm);
    m_chainModule.AddBitmap(903, GreysXpm);
    m_ownModule.AddBitmap(900, SmallXpm);
    AfxAddResourceModule(&m_chainModule);
    AfxSetResourceHandle(&m_chainModule);
}

void GdiTest::cleanupTestCase()
{
    AfxRemoveResourceModule(&m_chainModule);
}

void GdiTest::singleEdgeLiesOnTheBorder_data()
{
    QTest::addColumn<UINT>("edge");
    QTest::addColumn<QColor>("topLeft");
    QTest::addColumn<QColor>("bottomRight");
    QTest::newRow("raised inner: highlight over shadow") << BDR_RAISEDINNER << Highlight << Shadow;
    QTest::newRow("sunken outer: shadow over highlight") << BDR_SUNKENOUTER << Shadow << Highlight;
    QTest::newRow("raised outer: light over dark shadow") << BDR_RAISEDOUTER << Light << DarkShadow;
    QTest::newRow("sunken inner: dark shadow over light") << BDR_SUNKENINNER << DarkShadow << Light;
}

void GdiTest::singleEdgeLiesOnTheBorder()
{
    QFETCH(UINT, edge);
    QFETCH(QColor, topLeft);
    QFETCH(QColor, bottomRight);
    // Rectangle 2..10 x 2..8, right and bottom exclusive.
    const QImage image = EdgeImage(edge);
    QCOMPARE(Pixel(image, 2, 2), topLeft);
    QCOMPARE(Pixel(image, 5, 2), topLeft);
    QCOMPARE(Pixel(image, 2, 5), topLeft);
    QCOMPARE(Pixel(image, 9, 5), bottomRight);
    QCOMPARE(Pixel(image, 5, 7), bottomRight);
    QCOMPARE(Pixel(image, 9, 7), bottomRight);
    // Bottom and right are drawn last: they own the two far corners.
    QCOMPARE(Pixel(image, 9, 2), bottomRight);
    QCOMPARE(Pixel(image, 2, 7), bottomRight);
    // Nothing inside or outside the one-pixel frame.
    QCOMPARE(Pixel(image, 3, 3), Ground);
    QCOMPARE(Pixel(image, 8, 6), Ground);
    QCOMPARE(Pixel(image, 1, 1), Ground);
    QCOMPARE(Pixel(image, 10, 8), Ground);
}

void GdiTest::innerEdgeNestsInsideOuterEdge()
{
    const QImage image = EdgeImage(EDGE_RAISED);
    QCOMPARE(Pixel(image, 2, 4), Light);
    QCOMPARE(Pixel(image, 3, 4), Highlight);
    QCOMPARE(Pixel(image, 9, 4), DarkShadow);
    QCOMPARE(Pixel(image, 8, 4), Shadow);
    QCOMPARE(Pixel(image, 5, 6), Shadow);
    QCOMPARE(Pixel(image, 5, 7), DarkShadow);
    QCOMPARE(Pixel(image, 4, 4), Ground);
}

void GdiTest::emptyRectangleDrawsNothing()
{
    QImage image(12, 10, QImage::Format_RGB32);
    image.fill(Ground);
    QPainter painter(&image);
    QVERIFY(!DrawEdge(painter, RECT{5, 5, 5, 9}, BDR_RAISEDINNER, BF_RECT));
    QVERIFY(!DrawEdge(painter, RECT{2, 2, 10, 8}, 0, BF_RECT));
    painter.end();
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            QCOMPARE(Pixel(image, x, y), Ground);
    }
}

void GdiTest::loadSearchesGivenModuleFirstThenChain()
{
    QCOMPARE(LoadImageBitmap(&m_ownModule, 900, LR_DEFAULTCOLOR).size(), QSize(3, 2));
    QCOMPARE(LoadImageBitmap(nullptr, 900, LR_DEFAULTCOLOR).size(), QSize(5, 4));
    // Not in the given module: the chain still has it.
    QCOMPARE(LoadImageBitmap(&m_ownModule, 901, LR_DEFAULTCOLOR).size(), QSize(5, 4));
}

void GdiTest::missingOrUnreadableBitmapIsNull()
{
    QVERIFY(LoadImageBitmap(&m_ownModule, 999, LR_LOADMAP3DCOLORS).isNull());
    QVERIFY(LoadImageBitmap(nullptr, 999, LR_DEFAULTCOLOR).isNull());
    QTest::ignoreMessage(QtWarningMsg, "QImage::QImage(), XPM is not supported");
    QVERIFY(LoadImageBitmap(nullptr, 902, LR_LOADMAP3DCOLORS).isNull());
}

void GdiTest::loadMaps3DColoursOnlyWhenAsked_data()
{
    QTest::addColumn<UINT>("flags");
    QTest::addColumn<QColor>("grey128");
    QTest::addColumn<QColor>("grey192");
    QTest::addColumn<QColor>("grey223");
    QTest::newRow("mapped") << LR_LOADMAP3DCOLORS << Shadow << Face << Light;
    QTest::newRow("as drawn") << LR_DEFAULTCOLOR << QColor(128, 128, 128) << QColor(192, 192, 192)
                              << QColor(223, 223, 223);
}

void GdiTest::loadMaps3DColoursOnlyWhenAsked()
{
    QFETCH(UINT, flags);
    QFETCH(QColor, grey128);
    QFETCH(QColor, grey192);
    QFETCH(QColor, grey223);
    const QImage image = LoadImageBitmap(nullptr, 903, flags).toImage();
    QCOMPARE(image.size(), QSize(5, 1));
    QCOMPARE(Pixel(image, 0, 0), grey128);
    QCOMPARE(Pixel(image, 1, 0), grey192);
    QCOMPARE(Pixel(image, 2, 0), grey223);
    QCOMPARE(Pixel(image, 3, 0), QColor(192, 192, 193));
    QCOMPARE(Pixel(image, 4, 0), QColor(Qt::white));
}

QTEST_MAIN(GdiTest)
#include "tst_gdi.moc"
