// Drawing helpers: 3-D edges in the system colours, and bitmaps loaded from a
// resource module with the grey shades mapped to the 3-D colours.

#include "platform/core/resources.h"
#include "platform/drawing/bitmap.h"
#include "platform/drawing/drawedge.h"
#include "platform/drawing/syscolors.h"
#include "support/projecttest.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QPalette>
#include <QTest>

#include <tuple>

namespace {

// Colours far from every grey, so that each system colour is recognisable.
const QColor Face(10, 20, 30);
const QColor Shadow(0, 0, 200);
const QColor Highlight(250, 250, 0);
const QColor Light(0, 200, 0);
const QColor DarkShadow(90, 0, 90);
const QColor Ground(255, 0, 255);

// The three mapped greys, a grey next to one of them, and white.
const char* const GreysXpm[]
    = {"5 1 5 1", "a c #808080", "b c #C0C0C0", "c c #DFDFDF", "d c #C0C0C1", "e c #FFFFFF", "abcde"};

// The edge drawn into `rect` (right and bottom exclusive) of a 12 x 10 image.
QImage EdgeImage(UINT edge, const RECT& rect = RECT {2, 2, 10, 8})
{
    QImage image(12, 10, QImage::Format_RGB32);
    image.fill(Ground);
    QPainter painter(&image);
    DrawEdge(painter, rect, edge, BF_RECT);
    return image;
}

// The pixels (x, y, colour) of `image` that differ from `expected`, with the colour found; empty when all match.
QString Mismatches(const QImage& image, std::initializer_list<std::tuple<int, int, QColor>> expected)
{
    QString text;
    for (const auto& [x, y, colour] : expected)
        if (image.pixelColor(x, y) != colour)
            text += QStringLiteral("(%1,%2) is %3; ").arg(x).arg(y).arg(image.pixelColor(x, y).name());
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
        m_module.AddBitmap(903, GreysXpm);
    }

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
        // Bottom and right are drawn last: they own the two far corners. Nothing inside or outside the frame.
        QCOMPARE(Mismatches(EdgeImage(edge),
                     {{2, 2, topLeft}, {5, 2, topLeft}, {2, 5, topLeft}, {9, 5, bottomRight}, {5, 7, bottomRight},
                         {9, 2, bottomRight}, {2, 7, bottomRight}, {3, 3, Ground}, {1, 1, Ground}, {10, 8, Ground}}),
            QString());
    }

    void innerEdgeNestsInsideOuterAndEmptyDrawsNothing()
    {
        QCOMPARE(Mismatches(EdgeImage(EDGE_RAISED),
                     {{2, 4, Light}, {3, 4, Highlight}, {9, 4, DarkShadow}, {8, 4, Shadow}, {5, 6, Shadow},
                         {5, 7, DarkShadow}, {4, 4, Ground}}),
            QString());
        QImage blank(12, 10, QImage::Format_RGB32);
        blank.fill(Ground);
        QCOMPARE(EdgeImage(BDR_RAISEDINNER, RECT {5, 5, 5, 9}), blank);
        QCOMPARE(EdgeImage(0), blank);
    }

    void loadMaps3DColoursOnlyWhenAsked()
    {
        // 128, 192 and 223 grey become shadow, face and light; a near grey and white stay.
        const QColor nearGrey(192, 192, 193);
        QCOMPARE(Mismatches(LoadImageBitmap(&m_module, 903, LR_LOADMAP3DCOLORS).toImage(),
                     {{0, 0, Shadow}, {1, 0, Face}, {2, 0, Light}, {3, 0, nearGrey}, {4, 0, Qt::white}}),
            QString());
        QCOMPARE(LoadImageBitmap(&m_module, 903, LR_DEFAULTCOLOR).toImage().pixelColor(0, 0), QColor(128, 128, 128));
        QVERIFY(LoadImageBitmap(&m_module, 999, LR_LOADMAP3DCOLORS).isNull());
    }

private:
    ResourceModule m_module {"module"};
};

PE_TEST_MAIN(GdiTest)
#include "tst_gdi.moc"
