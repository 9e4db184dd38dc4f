// How an editable list looks: rows drawn by the list itself (the selected row
// in the caption colour, not the highlight colour) and the exclusive-or
// insertion mark that a second drawing erases.

#include "listboxextestview.h"
#include "support/projecttest.h"

#include "platform/drawing/syscolors.h"

#include <QImage>
#include <QTest>

class ListBoxExDrawingTest : public QObject {
    Q_OBJECT
private slots:
    void selectedRowUsesTheCaptionColour();
    void insertionMarkDrawnTwiceRestoresThePixels_data();
    void insertionMarkDrawnTwiceRestoresThePixels();

private:
    static QImage Grab(QWidget* widget) { return widget->grab().toImage().convertToFormat(QImage::Format_RGB32); }
};

const QStringList SomeVariables {"Reactor.T", "Reactor.P", "Feed.F[1]", "Feed.F[2]", "Column.x[*]"};

void ListBoxExDrawingTest::selectedRowUsesTheCaptionColour()
{
    ListForm<> f(ListBoxExRole::ProfileVariables, SomeVariables);
    QVERIFY(f.Ready());
    f.Click(1);
    QVERIFY(GetSysColor(COLOR_ACTIVECAPTION) != GetSysColor(COLOR_HIGHLIGHT));
    // Left of the text, inside the focus rectangle's dots.
    const QImage image = Grab(f.Client());
    QCOMPARE(image.pixel(3, f.RowCentre(1).y()), GetSysColor(COLOR_ACTIVECAPTION).rgb());
    QCOMPARE(image.pixel(3, f.RowCentre(2).y()), GetSysColor(COLOR_WINDOW).rgb());
}

void ListBoxExDrawingTest::insertionMarkDrawnTwiceRestoresThePixels_data()
{
    QTest::addColumn<QList<int>>("marks");
    QTest::newRow("moved down, then none") << QList<int> {1, 3, -1};
    QTest::newRow("first row (clipped above), then none") << QList<int> {0, -1};
    QTest::newRow("same row twice, then none") << QList<int> {2, 2, -1};
}

void ListBoxExDrawingTest::insertionMarkDrawnTwiceRestoresThePixels()
{
    QFETCH(QList<int>, marks);
    ListForm<> f(ListBoxExRole::Plain, SomeVariables);
    QVERIFY(f.Ready());
    f.Click(1); // a dark row under part of the marks
    const QImage before = Grab(f.Client());
    for (int i = 0; i < marks.size() - 1; ++i) {
        f.list.DrawInsert(marks[i]);
        const QImage marked = Grab(f.Client());
        QVERIFY2(marked != before, "a mark shows");
        // Exclusive-or with white: every pixel the mark touches is inverted.
        for (int y = 0; y < marked.height(); ++y) {
            for (int x = 0; x < marked.width(); ++x) {
                if (marked.pixel(x, y) != before.pixel(x, y))
                    QCOMPARE(marked.pixel(x, y), before.pixel(x, y) ^ 0x00FFFFFFu);
            }
        }
    }
    f.list.DrawInsert(marks.last());
    QCOMPARE(Grab(f.Client()), before);
}

PE_TEST_MAIN(ListBoxExDrawingTest)
#include "tst_listboxexdrawing.moc"
