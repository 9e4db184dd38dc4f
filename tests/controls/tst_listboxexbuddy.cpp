// The list button strip as a person uses it: the command a click runs for each
// way a strip is attached, presses that do not make a click, the painted bar
// and its hot button, and the tooltips.

#include "controls/listboxex.h"
#include "controls/listboxexbuddy.h"
#include "controls/listboxexparent.h"
#include "platform/invalidarg.h"
#include "platform/messagebox.h"
#include "platform/resources.h"
#include "resources/bitmaps.h"

#include <QApplication>
#include <QHelpEvent>
#include <QPushButton>
#include <QTest>
#include <QToolTip>

#include <cstdlib>
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

// Caption text is antialiased: its pixels blend the text colour into the face.
bool IsTextPixel(const QColor& c)
{
    return std::abs(c.red() - Text.red()) + std::abs(c.green() - Text.green()) + std::abs(c.blue() - Text.blue())
        <= 60;
}

// The editor view and the list as the strip sees them: both record the
// commands they get in one log; the list then runs its command.
struct RecordingView : CWnd, IListBoxExParent {
    CSUPEProfile* CurrentProfile() override { return nullptr; }
    void OnListStripCommand(int button, UINT stripId) override
    {
        log->append(QStringLiteral("view %1 %2").arg(button).arg(stripId));
        if (std::exchange(failNext, false))
            throw CInvalidArgException("CArray: index out of range");
    }
    QStringList* log = nullptr;
    bool failNext = false;
};

struct RecordingList : CListBoxEx {
    void ButtonStripCommand(int command) override
    {
        log->append(QStringLiteral("list %1").arg(command));
        CListBoxEx::ButtonStripCommand(command);
    }
    QStringList* log = nullptr;
};

struct StripSetup {
    UINT controlId;
    UINT imageId;
    CStringArray tooltips;
};

const StripSetup VariablesStrip{1005, IDB_VARIABLES_STRIP, {"Add Variable", "Remove Variable", "Move Up", "Move Down"}};
const StripSetup ProfilesStrip{1007, IDB_PROFILES_STRIP, {"New", "Delete", "Toggle Dimension"}};
const StripSetup PlotStrip{1018, IDB_PLOT_STRIP, {"Remove Profile", "Move Up", "Move Down"}};

// The offscreen platform cannot grab the mouse for real and says so at every
// capture; Qt still sends a pressed mouse's input to the widget pressed on.
QtMessageHandler g_previousHandler = nullptr;
void QuietAboutMouseGrab(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message != QLatin1String("This plugin does not support grabbing the mouse"))
        g_previousHandler(type, context, message);
}

} // namespace

Q_DECLARE_METATYPE(StripSetup)

class ListBoxExBuddyTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();
    void clickRunsTheButtonsCommand_data();
    void clickRunsTheButtonsCommand();
    void pressAndReleaseOnDifferentPlacesRunNothing_data();
    void pressAndReleaseOnDifferentPlacesRunNothing();
    void resizeKeepsCellsAnchoredRight_data();
    void resizeKeepsCellsAnchoredRight();
    void paintShowsCaptionImageAndHotButtonEdge();
    void tooltipShowsEachButtonsText();
    void needTextCopiesAtMost79CharactersAndReportsUnknownTools();

private:
    // The form with the placeholder, a strip that takes it over and, when
    // asked, an empty list bound to the strip.
    void MakeStrip(const StripSetup& setup, bool withList);
    QPoint CellCentre(int button) const
    {
        const int left = m_placeholder->width() - static_cast<int>(m_strip->GetButtonCount() - button) * CellWidth;
        return {left + CellWidth / 2, (m_placeholder->height() - CellHeight) / 2 + CellHeight / 2};
    }
    // Mouse input in strip coordinates, given to the window as the window
    // system gives it, so that Qt routes it as it routes a person's.
    QPoint ToWindow(const QPoint& p) const { return m_placeholder->mapTo(m_form.get(), p); }
    void Move(const QPoint& p) { QTest::mouseMove(m_form->windowHandle(), ToWindow(p)); }
    void Press(const QPoint& p) { QTest::mousePress(m_form->windowHandle(), Qt::LeftButton, {}, ToWindow(p)); }
    void Release(const QPoint& p) { QTest::mouseRelease(m_form->windowHandle(), Qt::LeftButton, {}, ToWindow(p)); }
    void Click(const QPoint& p)
    {
        Move(p);
        QTest::mouseClick(m_form->windowHandle(), Qt::LeftButton, {}, ToWindow(p));
    }
    QImage Grab() const { return m_placeholder->grab().toImage(); }
    void ShowTooltipAt(const QPoint& p)
    {
        QHelpEvent event(QEvent::ToolTip, p, m_placeholder->mapToGlobal(p));
        QApplication::sendEvent(m_placeholder, &event);
    }

    ResourceModule m_module{"strip test"};
    QStringList m_log;
    std::unique_ptr<QWidget> m_form;
    std::unique_ptr<RecordingView> m_view;
    QPushButton* m_placeholder = nullptr;
    std::unique_ptr<RecordingList> m_list;
    std::unique_ptr<CListBoxExBuddy> m_strip;
};

void ListBoxExBuddyTest::initTestCase()
{
    g_previousHandler = qInstallMessageHandler(QuietAboutMouseGrab);
    QPalette palette = QApplication::palette();
    palette.setColor(QPalette::Button, Face);
    palette.setColor(QPalette::WindowText, Text);
    palette.setColor(QPalette::Light, Highlight);
    palette.setColor(QPalette::Mid, Shadow);
    QApplication::setPalette(palette);
    // The strip is given its module; it is not in the resource chain.
    AddStripBitmaps(m_module);
}

void ListBoxExBuddyTest::cleanup()
{
    // As the view does: strips first, then the form goes.
    m_strip.reset();
    m_list.reset();
    m_view.reset();
    m_form.reset();
}

void ListBoxExBuddyTest::MakeStrip(const StripSetup& setup, bool withList)
{
    m_log.clear();
    m_form = std::make_unique<QWidget>();
    m_form->resize(400, 200);
    m_view = std::make_unique<RecordingView>();
    m_view->log = &m_log;
    m_view->Attach(m_form.get());
    m_placeholder = new QPushButton(QStringLiteral(" Profile Variables"), m_form.get());
    CWnd::SetDlgCtrlID(m_placeholder, static_cast<int>(setup.controlId));
    m_placeholder->setGeometry(10, 10, 200, 24);
    m_strip = std::make_unique<CListBoxExBuddy>(setup.imageId, &m_module, setup.tooltips.GetSize(), setup.tooltips);
    QVERIFY(m_strip->TakeOver(setup.controlId, m_view.get()));
    if (withList) {
        m_list = std::make_unique<RecordingList>();
        m_list->log = &m_log;
        QVERIFY(m_list->Create(WS_CHILD | WS_VISIBLE, CRect(10, 34, 210, 150), m_view.get(), 1004));
        m_strip->SetListBox(m_list.get());
        m_list->SetBuddy(m_strip.get());
    }
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
}

void ListBoxExBuddyTest::clickRunsTheButtonsCommand_data()
{
    QTest::addColumn<StripSetup>("setup");
    QTest::addColumn<bool>("withList");
    QTest::addColumn<int>("button");
    QTest::addColumn<bool>("viewFails"); // the view's part throws at the first click
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("list, 4 buttons: down") << VariablesStrip << true << 3 << false << QStringList{"list 3"};
    QTest::newRow("list, 3 buttons: remove tells the view first")
        << PlotStrip << true << 0 << false << QStringList{"view 0 1018", "list 1"};
    QTest::newRow("list, 3 buttons: the view fails at remove")
        << PlotStrip << true << 0 << true << QStringList{"view 0 1018", "list 1"};
    QTest::newRow("list, 3 buttons: down") << PlotStrip << true << 2 << false << QStringList{"list 3"};
    QTest::newRow("no list: toggle dimension") << ProfilesStrip << false << 2 << false << QStringList{"view 2 1007"};
}

void ListBoxExBuddyTest::clickRunsTheButtonsCommand()
{
    QFETCH(StripSetup, setup);
    QFETCH(bool, withList);
    QFETCH(int, button);
    QFETCH(bool, viewFails);
    QFETCH(QStringList, expected);
    ScriptedMessageBoxResponder boxes;
    MakeStrip(setup, withList);
    m_view->failNext = viewFails;
    Click(CellCentre(button));
    // A failure is reported and ends the command: the list's part does not run.
    QCOMPARE(m_log, viewFails ? expected.mid(0, 1) : expected);
    QCOMPARE(boxes.boxes().size(), size_t(viewFails ? 1 : 0));
    if (viewFails)
        QVERIFY(boxes.boxes()[0].text.Find("index out of range") >= 0);
    // Back at rest, the clicked button still under the mouse, the mouse free.
    QVERIFY(!m_strip->IsPressed());
    QCOMPARE(m_strip->GetHotButton(), static_cast<UINT>(button));
    QCOMPARE(QWidget::mouseGrabber(), nullptr);
    // A quick second click is a click too.
    m_log.clear();
    QTest::mouseDClick(m_form->windowHandle(), Qt::LeftButton, {}, ToWindow(CellCentre(button)));
    QCOMPARE(m_log, expected + expected);
}

void ListBoxExBuddyTest::pressAndReleaseOnDifferentPlacesRunNothing_data()
{
    // Three buttons flush right in 200 x 24: button 0 centred at (145, 12),
    // button 1 at (167, 12), button 2 at (189, 12); the caption left of them.
    QTest::addColumn<QPoint>("press");
    QTest::addColumn<QList<QPoint>>("moves"); // released at the last
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("off the strip") << QPoint(167, 12) << QList<QPoint>{{150, 12}, {300, 60}} << QStringList{};
    QTest::newRow("onto the next button") << QPoint(167, 12) << QList<QPoint>{{189, 12}} << QStringList{};
    QTest::newRow("off and back")
        << QPoint(167, 12) << QList<QPoint>{{300, 60}, {167, 12}} << QStringList{"view 1 1007"};
    QTest::newRow("between cells, onto a button")
        << QPoint(30, 12) << QList<QPoint>{{100, 12}, {145, 12}} << QStringList{};
}

void ListBoxExBuddyTest::pressAndReleaseOnDifferentPlacesRunNothing()
{
    QFETCH(QPoint, press);
    QFETCH(QList<QPoint>, moves);
    QFETCH(QStringList, expected);
    MakeStrip(ProfilesStrip, false);
    QCOMPARE(CellCentre(1), QPoint(167, 12));
    Move(press);
    Press(press);
    const bool onButton = press != QPoint(30, 12);
    QCOMPARE(m_strip->IsPressed(), onButton);
    for (const QPoint& point : moves) {
        Move(point);
        // The pressed button stays the hot one while the mouse button is down.
        if (onButton)
            QCOMPARE(m_strip->GetHotButton(), 1u);
    }
    Release(moves.last());
    QCOMPARE(m_log, expected);
    QVERIFY(!m_strip->IsPressed());
    QCOMPARE(QWidget::mouseGrabber(), nullptr);
    m_log.clear();
    Click(CellCentre(2)); // at rest again
    QCOMPARE(m_log, QStringList{"view 2 1007"});
}

void ListBoxExBuddyTest::resizeKeepsCellsAnchoredRight_data()
{
    QTest::addColumn<QSize>("size");
    QTest::newRow("wider") << QSize(300, 24);
    QTest::newRow("narrower") << QSize(120, 24);
    QTest::newRow("taller") << QSize(200, 31);
    QTest::newRow("one button high") << QSize(200, 20);
}

void ListBoxExBuddyTest::resizeKeepsCellsAnchoredRight()
{
    QFETCH(QSize, size);
    MakeStrip(VariablesStrip, false);
    m_placeholder->resize(size);
    const int right = size.width() - 1;
    const int top = (size.height() - CellHeight) / 2;
    const int firstLeft = size.width() - 4 * CellWidth;
    const UINT none = 4;
    const QList<std::pair<QPoint, UINT>> probes{{{right, top}, 3},
                                                {{right - CellWidth, top + CellHeight - 1}, 2},
                                                {{firstLeft, top + 10}, 0},
                                                {{firstLeft - 1, top + 10}, none}};
    for (const auto& [point, hot] : probes) {
        Move(QPoint(2, size.height() / 2));
        Move(point);
        QCOMPARE(m_strip->GetHotButton(), hot);
    }
    Click(QPoint(right - 2, size.height() / 2));
    QCOMPARE(m_log, QStringList{"view 3 1005"});
}

void ListBoxExBuddyTest::paintShowsCaptionImageAndHotButtonEdge()
{
    MakeStrip(VariablesStrip, false);
    const QImage atRest = Grab();
    const int width = atRest.width();
    const int top = (atRest.height() - CellHeight) / 2;
    // The caption from x = 2 on the face, left of the image.
    int textPixels = 0;
    for (int y = 0; y < atRest.height(); ++y) {
        QVERIFY(atRest.pixelColor(0, y) == Face && atRest.pixelColor(1, y) == Face);
        for (int x = 2; x < width - 88; ++x)
            textPixels += IsTextPixel(atRest.pixelColor(x, y)) ? 1 : 0;
    }
    QVERIFY(textPixels > 20);
    // The image ends at the right edge, each glyph in its button's cell: the
    // sheet of "Add Variable" white, the stem of "Move Down" black, on the
    // ground mapped to the face.
    QCOMPARE(atRest.pixelColor(width - 4 * CellWidth + 12, top + 12), QColor(Qt::white));
    QCOMPARE(atRest.pixelColor(width - CellWidth + 9, top + 4), QColor(Qt::black));
    QCOMPARE(atRest.pixelColor(width - 1, top + 10), Face);

    // The rightmost cell's left, top, right and bottom edge: raised while hot,
    // sunken while pressed, gone when the mouse leaves.
    const int left = width - CellWidth;
    const auto edge = [&](const QImage& grab) {
        return QList<QColor>{grab.pixelColor(left, top + 10), grab.pixelColor(left + 10, top),
                             grab.pixelColor(width - 1, top + 10), grab.pixelColor(left + 10, top + CellHeight - 1)};
    };
    Move(CellCentre(3));
    QCOMPARE(edge(Grab()), (QList<QColor>{Highlight, Highlight, Shadow, Shadow}));
    QCOMPARE(Grab().pixelColor(width - 2 * CellWidth, top + 10), Face); // no edge on the others
    Press(CellCentre(3));
    QCOMPARE(edge(Grab()), (QList<QColor>{Shadow, Shadow, Highlight, Highlight}));
    Release(CellCentre(3));
    QTest::mouseMove(m_form->windowHandle(), QPoint(100, 150));
    QTRY_COMPARE(m_strip->GetHotButton(), 4u);
    QCOMPARE(edge(Grab()), edge(atRest));
    QCOMPARE(edge(atRest).first(), Face);
    // The form may go before the strip, the mouse over a button.
    Move(CellCentre(1));
    m_form.reset();
    QCOMPARE(m_strip->GetSafeHwnd(), nullptr);
}

void ListBoxExBuddyTest::tooltipShowsEachButtonsText()
{
    MakeStrip(VariablesStrip, false);
    const QStringList expected{"Add Variable", "Remove Variable", "Move Up", "Move Down"};
    for (int button = 0; button < 4; ++button) {
        ShowTooltipAt(CellCentre(button));
        QTRY_VERIFY(QToolTip::isVisible());
        QCOMPARE(QToolTip::text(), expected[button]);
    }
    ShowTooltipAt(QPoint(20, 12)); // the caption has none
    QTRY_VERIFY(!QToolTip::isVisible());
    // Once the strip is gone, the plain button left behind shows no tooltip and runs nothing.
    const QPoint button = CellCentre(1);
    m_strip.reset();
    ShowTooltipAt(button);
    QVERIFY(!QToolTip::isVisible());
    Click(button);
    QCOMPARE(m_log, QStringList{});
}

void ListBoxExBuddyTest::needTextCopiesAtMost79CharactersAndReportsUnknownTools()
{
    ScriptedMessageBoxResponder boxes;
    StripSetup setup{1036, IDB_TIMES_STRIP, {"New", CString('x', 100)}};
    MakeStrip(setup, false);
    const auto needText = [this](UINT_PTR toolId) {
        NMTTDISPINFO info{};
        info.hdr.idFrom = toolId;
        info.hdr.code = TTN_NEEDTEXT;
        std::memset(info.szText, '#', sizeof(info.szText));
        m_strip->SendMessage(WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&info));
        return CString(info.lpszText);
    };
    QCOMPARE(needText(1), CString("New"));
    QCOMPARE(needText(2), CString('x', 79));
    QVERIFY(boxes.boxes().empty());
    // A tool the strip does not have: an empty text and a message, no crash.
    QCOMPARE(needText(3), CString());
    QCOMPARE(boxes.boxes().size(), size_t(1));
    QVERIFY(boxes.boxes()[0].text.Find("tool 3") >= 0);
}

QTEST_MAIN(ListBoxExBuddyTest)
#include "tst_listboxexbuddy.moc"
