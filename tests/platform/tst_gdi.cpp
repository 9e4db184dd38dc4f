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

// The edge drawn into 2..10 x 2..8 (right and bottom exclusive) of a 12 x 10 image.
QImage EdgeImage(UINT edge)
{
    QImage image(12, 10, QImage::Format_RGB32);
    image.fill(Ground);
    QPainter painter(&image);
    DrawEdge(painter, RECT{2, 2, 10, 8}, edge, BF_RECT);
    return image;
}

struct Pixel {
    int x, y;
    QColor colour;
};

// The pixels of `image` that differ from `expected`, with the colour found; empty when all match.
QString Mismatches(const QImage& image, std::initializer_list<Pixel> expected)
{
    QString text;
    for (const Pixel& p : expected)
        if (image.pixelColor(p.x, p.y) != p.colour)
            text += QStringLiteral("(%1,%2) is %3; ").arg(p.x).arg(p.y).arg(image.pixelColor(p.x, p.y).name());
    return text;
}

} // namespace

class GdiTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
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

    void cleanupTestCase() { AfxRemoveResourceModule(&m_chainModule); }

    void singleEdgeLiesOnTheBorder_data()
    {
        QTest::addColumn<UINT>("edge");
        QTest::addColumn<QColor>("topLeft");
        QTest::addColumn<QColor>("bottomRight");
        QTest::newRow("raised inner: highlight over shadow") << BDR_RAISEDINNER << Highlight << Shadow;
        QTest::newRow("sunken outer: shadow over highlight") << BDR_SUNKENOUTER << Shadow << Highlight;
        QTest::newRow("raised outer: light over dark shadow") << BDR_RAISEDOUTER << Light << DarkShadow;
        QTest::newRow("sunken inner: dark shadow over light") << BDR_SUNKENINNER << DarkShadow << Light;
    }

    void singleEdgeLiesOnTheBorder()
    {
        QFETCH(UINT, edge);
        QFETCH(QColor, topLeft);
        QFETCH(QColor, bottomRight);
        // Bottom and right are drawn last: they own the two far corners. Nothing
        // inside or outside the one-pixel frame.
        QCOMPARE(Mismatches(EdgeImage(edge), {{2, 2, topLeft}, {5, 2, topLeft}, {2, 5, topLeft}, {9, 5, bottomRight},
                                              {5, 7, bottomRight}, {9, 2, bottomRight}, {2, 7, bottomRight},
                                              {3, 3, Ground}, {1, 1, Ground}, {10, 8, Ground}}),
                 QString());
    }

    void innerEdgeNestsInsideOuterAndEmptyDrawsNothing()
    {
        QCOMPARE(Mismatches(EdgeImage(EDGE_RAISED), {{2, 4, Light}, {3, 4, Highlight}, {9, 4, DarkShadow},
                                                     {8, 4, Shadow}, {5, 6, Shadow}, {5, 7, DarkShadow},
                                                     {4, 4, Ground}}),
                 QString());

        QImage blank(12, 10, QImage::Format_RGB32);
        blank.fill(Ground);
        QImage image = blank;
        QPainter painter(&image);
        QVERIFY(!DrawEdge(painter, RECT{5, 5, 5, 9}, BDR_RAISEDINNER, BF_RECT));
        QVERIFY(!DrawEdge(painter, RECT{2, 2, 10, 8}, 0, BF_RECT));
        painter.end();
        QCOMPARE(image, blank);
    }

    void loadSearchesGivenModuleFirstThenChain()
    {
        QCOMPARE(LoadImageBitmap(&m_ownModule, 900, LR_DEFAULTCOLOR).size(), QSize(3, 2));
        QCOMPARE(LoadImageBitmap(&m_ownModule, 901, LR_DEFAULTCOLOR).size(), QSize(5, 4));
        // Missing everywhere, or not a readable image: null.
        QVERIFY(LoadImageBitmap(&m_ownModule, 999, LR_LOADMAP3DCOLORS).isNull());
        QTest::ignoreMessage(QtWarningMsg, "QImage::QImage(), XPM is not supported");
        QVERIFY(LoadImageBitmap(nullptr, 902, LR_LOADMAP3DCOLORS).isNull());
    }

    void loadMaps3DColoursOnlyWhenAsked()
    {
        // 128, 192 and 223 grey become shadow, face and light; a near grey and white stay.
        const QColor nearGrey(192, 192, 193);
        QCOMPARE(Mismatches(LoadImageBitmap(nullptr, 903, LR_LOADMAP3DCOLORS).toImage(),
                            {{0, 0, Shadow}, {1, 0, Face}, {2, 0, Light}, {3, 0, nearGrey}, {4, 0, Qt::white}}),
                 QString());
        QCOMPARE(Mismatches(LoadImageBitmap(nullptr, 903, LR_DEFAULTCOLOR).toImage(),
                            {{0, 0, QColor(128, 128, 128)}, {1, 0, QColor(192, 192, 192)},
                             {2, 0, QColor(223, 223, 223)}, {3, 0, nearGrey}, {4, 0, Qt::white}}),
                 QString());
    }

private:
    ResourceModule m_chainModule{"chain"};
    ResourceModule m_ownModule{"own"};
};

QTEST_MAIN(GdiTest)
#include "tst_gdi.moc"
