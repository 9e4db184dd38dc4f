// The list button strip as a person uses it: the command a click runs for each
// way a strip is attached, presses that do not make a click, the painted bar
// and its hot button, and the tooltips; and the strip images themselves.

#include "controls/listboxex.h"
#include "controls/listboxexbuddy.h"
#include "controls/listboxexparent.h"
#include "platform/core/resources.h"
#include "platform/drawing/bitmap.h"
#include "resources/bitmaps.h"
#include "support/projecttest.h"
#include "support/scriptedmessageboxresponder.h"

#include <QApplication>
#include <QHelpEvent>
#include <QPushButton>
#include <QTest>
#include <QToolTip>

#include <cstring>
#include <memory>
#include <utility>

namespace {

constexpr int CellWidth = 22;
constexpr int CellHeight = 20;

// Palette colours that no image glyph uses, so each is recognisable in a grab.
const QColor Face(212, 208, 200);
const QColor Text(0, 150, 150);
const QColor Highlight(255, 255, 255);
const QColor Shadow(64, 64, 64);

// The editor view and the list as the strip sees them: both record the
// commands and row reports they get in one log; the list then runs its command.
QStringList g_log;

struct RecordingView : CWnd, IListBoxExParent {
    void OnStripButton(const CListBoxExBuddy& strip, UINT button) override
    {
        g_log.append(QStringLiteral("view %1 %2").arg(button).arg(strip.GetControlId()));
    }
    void OnListRowEvent(const CListBoxEx&, const ListRowEvent& event) override
    {
        g_log.append(QStringLiteral("row %1 %2 %3").arg(int(event.kind)).arg(event.row).arg(event.toRow));
    }
};

struct RecordingList : CListBoxEx {
    void ButtonStripCommand(int command) override
    {
        g_log.append(QStringLiteral("list %1").arg(command));
        CListBoxEx::ButtonStripCommand(command);
    }
};

struct StripSetup {
    UINT controlId;
    UINT imageId;
    CStringArray tooltips;
};

const StripSetup VariablesStrip {
    1005, IDB_VARIABLES_STRIP, {"Add Variable", "Remove Variable", "Move Up", "Move Down"}};
const StripSetup ProfilesStrip {1007, IDB_PROFILES_STRIP, {"New", "Delete", "Toggle Dimension"}};
const StripSetup PlotStrip {1018, IDB_PLOT_STRIP, {"Remove Profile", "Move Up", "Move Down"}};

} // namespace

Q_DECLARE_METATYPE(StripSetup)

class ListBoxExBuddyTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QPalette palette = QApplication::palette();
        palette.setColor(QPalette::Button, Face);
        palette.setColor(QPalette::WindowText, Text);
        palette.setColor(QPalette::Light, Highlight);
        palette.setColor(QPalette::Mid, Shadow);
        QApplication::setPalette(palette);
        // The strip is given its module; it is not in the resource chain.
        AddStripBitmaps(m_module);
    }

    void cleanup()
    {
        // As the view does: strips first, then the form goes.
        m_strip.reset();
        m_list.reset();
        m_view.reset();
        m_form.reset();
    }

    void clickRunsTheButtonsCommand_data()
    {
        QTest::addColumn<StripSetup>("setup");
        QTest::addColumn<bool>("withList");
        QTest::addColumn<int>("button");
        QTest::addColumn<QStringList>("expected");
        // Row reports: kind (0 inserting, 1 removing, 2 moving), row, target row.
        QTest::newRow("list, 4 buttons: down") << VariablesStrip << true << 3 << QStringList {"list 3", "row 2 0 1"};
        // The remove reaches the view once, as the list's report of the row going.
        QTest::newRow("list, 3 buttons: remove") << PlotStrip << true << 0 << QStringList {"list 1", "row 1 0 -1"};
        QTest::newRow("no list: toggle dimension") << ProfilesStrip << false << 2 << QStringList {"view 2 1007"};
    }

    void clickRunsTheButtonsCommand()
    {
        QFETCH(StripSetup, setup);
        QFETCH(bool, withList);
        QFETCH(int, button);
        QFETCH(QStringList, expected);
        MakeStrip(setup, withList);
        Click(CellCentre(button));
        QCOMPARE(g_log, expected);
        QCOMPARE(m_strip->GetHotButton(), static_cast<UINT>(button)); // at rest, still under the mouse
        QCOMPARE(QWidget::mouseGrabber(), nullptr);
    }

    void pressAndReleaseOnDifferentPlacesRunNothing_data()
    {
        // Three buttons flush right in 200 x 24: button 0 centred at (145, 12),
        // button 1 at (167, 12), button 2 at (189, 12); the caption left of them.
        QTest::addColumn<QPoint>("press");
        QTest::addColumn<QList<QPoint>>("moves"); // released at the last
        QTest::newRow("off the strip") << QPoint(167, 12) << QList<QPoint> {{150, 12}, {300, 60}};
        QTest::newRow("onto the next button") << QPoint(167, 12) << QList<QPoint> {{189, 12}};
        QTest::newRow("between cells, onto a button") << QPoint(30, 12) << QList<QPoint> {{100, 12}, {145, 12}};
    }

    void pressAndReleaseOnDifferentPlacesRunNothing()
    {
        QFETCH(QPoint, press);
        QFETCH(QList<QPoint>, moves);
        MakeStrip(ProfilesStrip, false);
        QCOMPARE(CellCentre(1), QPoint(167, 12));
        Move(press);
        QTest::mousePress(m_form->windowHandle(), Qt::LeftButton, {}, ToWindow(press));
        for (const QPoint& point : moves)
            Move(point);
        QTest::mouseRelease(m_form->windowHandle(), Qt::LeftButton, {}, ToWindow(moves.last()));
        QCOMPARE(g_log, QStringList {});
        Click(CellCentre(2)); // at rest again
        QCOMPARE(g_log, QStringList {"view 2 1007"});
    }

    void cellsStayAnchoredRightAndTheHotOneIsRaised()
    {
        MakeStrip(VariablesStrip, false);
        const QImage atRest = m_placeholder->grab().toImage();
        const int width = atRest.width();
        const int top = (atRest.height() - CellHeight) / 2;
        // The caption from x = 2 on the face, left of the image; its antialiased pixels that are
        // mostly text have the text colour's low red and high green.
        int textPixels = 0;
        for (int y = 0; y < atRest.height(); ++y) {
            QVERIFY(atRest.pixelColor(0, y) == Face && atRest.pixelColor(1, y) == Face);
            for (int x = 2; x < width - 88; ++x) {
                const QColor c = atRest.pixelColor(x, y);
                textPixels += c.red() < 100 && c.green() > 100 ? 1 : 0;
            }
        }
        QVERIFY(textPixels > 20);
        // The image ends at the right edge: the sheet of "Add Variable" white in the first cell.
        QCOMPARE(atRest.pixelColor(width - 4 * CellWidth + 12, top + 12), QColor(Qt::white));
        // The hot rightmost cell is raised: light left and top edges, dark right and bottom ones.
        Move(QPoint(2, 12));
        Move(CellCentre(3));
        const QImage hot = m_placeholder->grab().toImage();
        QCOMPARE(hot.pixelColor(width - CellWidth, top + 10), Highlight);
        QCOMPARE(hot.pixelColor(width - 12, top), Highlight);
        QCOMPARE(hot.pixelColor(width - 1, top + 10), Shadow);
        QCOMPARE(hot.pixelColor(width - 12, top + CellHeight - 1), Shadow);
        QCOMPARE(hot.pixelColor(width - 2 * CellWidth, top + 10), Face); // no edge on the others
        for (const QSize size : {QSize(300, 24), QSize(120, 20)}) {
            m_placeholder->resize(size);
            const int right = size.width() - 1;
            const int cellTop = (size.height() - CellHeight) / 2;
            const int firstLeft = size.width() - 4 * CellWidth;
            const QList<std::pair<QPoint, UINT>> probes {
                {{right, cellTop}, 3}, {{firstLeft, cellTop + 10}, 0}, {{firstLeft - 1, cellTop + 10}, 4}}; // 4: none
            for (const auto& [point, hotButton] : probes) {
                Move(QPoint(2, size.height() / 2));
                Move(point);
                QCOMPARE(m_strip->GetHotButton(), hotButton);
            }
        }
    }

    void tooltipShowsEachButtonsText()
    {
        MakeStrip(VariablesStrip, false);
        for (int button = 0; button < 4; ++button) {
            QHelpEvent event(QEvent::ToolTip, CellCentre(button), m_placeholder->mapToGlobal(CellCentre(button)));
            QApplication::sendEvent(m_placeholder, &event);
            QTRY_VERIFY(QToolTip::isVisible());
            QCOMPARE(QToolTip::text(), VariablesStrip.tooltips[button].ToQString());
        }
    }

    void needTextCopiesAtMost79CharactersAndReportsUnknownTools()
    {
        ScriptedMessageBoxResponder boxes;
        MakeStrip({1036, IDB_TIMES_STRIP, {"New", CString('x', 100)}}, false);
        const auto needText = [this](UINT_PTR toolId) {
            NMTTDISPINFO info {};
            info.hdr.idFrom = toolId;
            info.hdr.code = TTN_NEEDTEXT;
            std::memset(info.szText, '#', sizeof(info.szText));
            m_strip->SendMessage(WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&info));
            return CString(info.lpszText);
        };
        QCOMPARE(needText(1), CString("New"));
        QCOMPARE(needText(2), CString('x', 79));
        // A tool the strip does not have: an empty text and a message, no crash.
        QCOMPARE(needText(3), CString());
        QCOMPARE(boxes.boxes().size(), size_t(1));
        QVERIFY(boxes.boxes()[0].text.Find("tool 3") >= 0);
    }

    // Each strip image and the clear-button image has its size and a grey ground
    // (tst_gdi maps the greys).
    void imageHasItsSizeAndGround_data()
    {
        QTest::addColumn<UINT>("id");
        QTest::addColumn<QSize>("size");
        QTest::newRow("133 variables") << IDB_VARIABLES_STRIP << QSize(88, 20);
        QTest::newRow("134 times") << IDB_TIMES_STRIP << QSize(46, 20);
        QTest::newRow("135 plot") << IDB_PLOT_STRIP << QSize(67, 20);
        QTest::newRow("136 clear") << IDB_CLEAR << QSize(20, 20);
        QTest::newRow("147 profiles") << IDB_PROFILES_STRIP << QSize(69, 20);
    }

    void imageHasItsSizeAndGround()
    {
        QFETCH(UINT, id);
        QFETCH(QSize, size);
        const QImage drawn
            = LoadImageBitmap(&m_module, id, LR_DEFAULTCOLOR).toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(drawn.size(), size);
        QCOMPARE(drawn.pixel(0, 0), 0xFFC0C0C0u); // the ground
    }

private:
    // A form whose placeholder the strip takes over, with an empty list bound to it if asked.
    void MakeStrip(const StripSetup& setup, bool withList);
    QPoint CellCentre(int button) const
    {
        const int left = m_placeholder->width() - static_cast<int>(m_strip->GetButtonCount() - button) * CellWidth;
        return {left + CellWidth / 2, (m_placeholder->height() - CellHeight) / 2 + CellHeight / 2};
    }
    // Strip coordinates to the window's, whose input Qt routes as it routes a person's.
    QPoint ToWindow(const QPoint& p) const { return m_placeholder->mapTo(m_form.get(), p); }
    void Move(const QPoint& p) { QTest::mouseMove(m_form->windowHandle(), ToWindow(p)); }
    void Click(const QPoint& p)
    {
        Move(p);
        QTest::mouseClick(m_form->windowHandle(), Qt::LeftButton, {}, ToWindow(p));
    }

    ResourceModule m_module {"strip test"};
    std::unique_ptr<QWidget> m_form;
    std::unique_ptr<RecordingView> m_view;
    QPushButton* m_placeholder = nullptr;
    std::unique_ptr<RecordingList> m_list;
    std::unique_ptr<CListBoxExBuddy> m_strip;
};

void ListBoxExBuddyTest::MakeStrip(const StripSetup& setup, bool withList)
{
    g_log.clear();
    m_form = std::make_unique<QWidget>();
    m_form->resize(400, 200);
    m_view = std::make_unique<RecordingView>();
    m_view->Attach(m_form.get());
    m_placeholder = new QPushButton(QStringLiteral(" Profile Variables"), m_form.get());
    CWnd::SetDlgCtrlID(m_placeholder, static_cast<int>(setup.controlId));
    m_placeholder->setGeometry(10, 10, 200, 24);
    m_strip = std::make_unique<CListBoxExBuddy>(setup.imageId, &m_module, setup.tooltips.GetSize(), setup.tooltips);
    QVERIFY(m_strip->TakeOver(setup.controlId, m_view.get()));
    if (withList) {
        m_list = std::make_unique<RecordingList>();
        QVERIFY(m_list->Create(WS_CHILD | WS_VISIBLE, CRect(10, 34, 210, 150), m_view.get(), 1004));
        m_strip->SetListBox(m_list.get());
        m_list->SetBuddy(m_strip.get());
        m_list->AddString("a");
        m_list->AddString("b");
        m_list->SetCurSel(0);
    }
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
}

PE_TEST_MAIN(ListBoxExBuddyTest)
#include "tst_listboxexbuddy.moc"
