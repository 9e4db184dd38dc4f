// The list button strip as a person uses it: clicks that run the command of
// the button for each way a strip is attached, presses that do not make a
// click, the painted bar and its hot button, and the tooltips.

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

// The colours of the strip images once their ground is mapped to the face.
bool IsImageColour(const QColor& colour)
{
    static const QList<QColor> colours{Face, Qt::black, Qt::white, QColor(128, 0, 0), QColor(128, 128, 0),
                                       QColor(255, 255, 0), QColor(0, 0, 128)};
    return colours.contains(colour);
}

// The editor view as the strip sees it: records each command in a shared log.
class RecordingView : public CWnd, public IListBoxExParent {
public:
    explicit RecordingView(QStringList* log) : m_log(log) {}
    CSUPEProfile* CurrentProfile() override { return nullptr; }
    void OnListStripCommand(int button, UINT stripId) override
    {
        m_log->append(QStringLiteral("view %1 %2").arg(button).arg(stripId));
        if (failNext) {
            failNext = false;
            throw CInvalidArgException("CArray: index out of range");
        }
    }
    bool failNext = false;

private:
    QStringList* m_log;
};

// The list: records each strip command in the same log, then runs it.
class RecordingList : public CListBoxEx {
public:
    explicit RecordingList(QStringList* log) : m_log(log) {}
    void ButtonStripCommand(int command) override
    {
        m_log->append(QStringLiteral("list %1").arg(command));
        CListBoxEx::ButtonStripCommand(command);
    }

private:
    QStringList* m_log;
};

struct StripSetup {
    UINT controlId;
    UINT imageId;
    CStringArray tooltips;
};

const StripSetup VariablesStrip{1005, IDB_VARIABLES_STRIP, {"Add Variable", "Remove Variable", "Move Up", "Move Down"}};
const StripSetup ProfilesStrip{1007, IDB_PROFILES_STRIP, {"New", "Delete", "Toggle Dimension"}};
const StripSetup TimesStrip{1036, IDB_TIMES_STRIP, {"New", "Delete"}};
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
    void init();
    void cleanup();

    void clickRunsTheButtonsCommand_data();
    void clickRunsTheButtonsCommand();
    void stripButtonsOperateTheList();
    void clickLeavesTheFocusWhereItWas();
    void quickSecondClickRunsTheCommandAgain();
    void releaseAwayFromThePressedButtonRunsNothing_data();
    void releaseAwayFromThePressedButtonRunsNothing();
    void pressBetweenCellsAndReleaseOnACellRunsNothing();
    void disabledStripRunsNothing();
    void failingCommandIsReportedAndTheStripStaysUsable();
    void resizeKeepsCellsAnchoredRight_data();
    void resizeKeepsCellsAnchoredRight();

    void paintShowsCaptionOnFaceAndImageFlushRight();
    void hotButtonHasRaisedEdgeAndPressedButtonSunkenEdge();
    void longCaptionGoesUnderTheImage();
    void stripWithoutImageStillPaintsAndClicks();

    void tooltipShowsEachButtonsText();
    void needTextCopiesAtMost79CharactersAndReportsUnknownTools();

    void formGoingBeforeTheStripIsSafe();
    void stripGoingBeforeTheFormLeavesAPlainButton();

private:
    // The form with the placeholder, a strip that takes it over and, when
    // asked, a list of three rows bound to the strip.
    void MakeStrip(const StripSetup& setup, bool withList, const char* caption = " Profile Variables");
    QPoint CellCentre(int button) const;
    QStringList Rows() const;
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

    ResourceModule m_module{"strip test"};
    QStringList m_log;
    std::unique_ptr<QWidget> m_form;
    RecordingView* m_view = nullptr;
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

void ListBoxExBuddyTest::init()
{
    m_log.clear();
}

void ListBoxExBuddyTest::cleanup()
{
    // As the view does: strips first, then the form goes.
    m_strip.reset();
    m_list.reset();
    delete m_view;
    m_view = nullptr;
    m_form.reset();
}

void ListBoxExBuddyTest::MakeStrip(const StripSetup& setup, bool withList, const char* caption)
{
    m_form = std::make_unique<QWidget>();
    m_form->resize(400, 200);
    m_view = new RecordingView(&m_log);
    m_view->Attach(m_form.get());
    m_placeholder = new QPushButton(QString::fromLatin1(caption), m_form.get());
    CWnd::SetDlgCtrlID(m_placeholder, static_cast<int>(setup.controlId));
    m_placeholder->setGeometry(10, 10, 200, 24);

    m_strip = std::make_unique<CListBoxExBuddy>(setup.imageId, &m_module, setup.tooltips.GetSize(), setup.tooltips);
    QVERIFY(m_strip->TakeOver(setup.controlId, m_view));
    if (withList) {
        m_list = std::make_unique<RecordingList>(&m_log);
        QVERIFY(m_list->Create(WS_CHILD | WS_VISIBLE, CRect(10, 34, 210, 150), m_view, 1004));
        for (const char* row : {"Reactor.T", "Reactor.P", "Feed.F"})
            m_list->AddItem(row);
        m_strip->SetListBox(m_list.get());
        m_list->SetBuddy(m_strip.get());
    }
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
}

QPoint ListBoxExBuddyTest::CellCentre(int button) const
{
    const int count = static_cast<int>(m_strip->GetButtonCount());
    const int left = m_placeholder->width() - (count - button) * CellWidth;
    const int top = (m_placeholder->height() - CellHeight) / 2;
    return {left + CellWidth / 2, top + CellHeight / 2};
}

QStringList ListBoxExBuddyTest::Rows() const
{
    QStringList rows;
    for (int i = 0; i < m_list->GetCount(); ++i)
        rows << QString::fromLatin1(m_list->GetText(i).GetString());
    return rows;
}

void ListBoxExBuddyTest::clickRunsTheButtonsCommand_data()
{
    QTest::addColumn<StripSetup>("setup");
    QTest::addColumn<bool>("withList");
    QTest::addColumn<int>("button");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("list, 4 buttons: add") << VariablesStrip << true << 0 << QStringList{"list 0"};
    QTest::newRow("list, 4 buttons: down") << VariablesStrip << true << 3 << QStringList{"list 3"};
    QTest::newRow("list, 3 buttons: remove tells the view first")
        << PlotStrip << true << 0 << QStringList{"view 0 1018", "list 1"};
    QTest::newRow("list, 3 buttons: up") << PlotStrip << true << 1 << QStringList{"list 2"};
    QTest::newRow("list, 3 buttons: down") << PlotStrip << true << 2 << QStringList{"list 3"};
    QTest::newRow("no list: new profile") << ProfilesStrip << false << 0 << QStringList{"view 0 1007"};
    QTest::newRow("no list: toggle dimension") << ProfilesStrip << false << 2 << QStringList{"view 2 1007"};
    QTest::newRow("no list: delete time") << TimesStrip << false << 1 << QStringList{"view 1 1036"};
}

void ListBoxExBuddyTest::clickRunsTheButtonsCommand()
{
    QFETCH(StripSetup, setup);
    QFETCH(bool, withList);
    QFETCH(int, button);
    QFETCH(QStringList, expected);
    MakeStrip(setup, withList);
    Click(CellCentre(button));
    QCOMPARE(m_log, expected);
    // Back at rest, the clicked button still under the mouse, the mouse free.
    QVERIFY(!m_strip->IsPressed());
    QCOMPARE(m_strip->GetHotButton(), static_cast<UINT>(button));
    QCOMPARE(QWidget::mouseGrabber(), nullptr);
}

void ListBoxExBuddyTest::stripButtonsOperateTheList()
{
    MakeStrip(VariablesStrip, true);
    m_list->SetCurSel(0);
    Click(CellCentre(3)); // "Move Down"
    QCOMPARE(Rows(), (QStringList{"Reactor.P", "Reactor.T", "Feed.F"}));
    QCOMPARE(m_list->GetCurSel(), 1);
    Click(CellCentre(1)); // "Remove Variable"
    QCOMPARE(Rows(), (QStringList{"Reactor.P", "Feed.F"}));
    Click(CellCentre(0)); // "Add Variable": a new row, open for typing
    QCOMPARE(m_list->GetCount(), 3);
    QCOMPARE(m_list->GetEditingIndex(), 2);
}

void ListBoxExBuddyTest::clickLeavesTheFocusWhereItWas()
{
    MakeStrip(VariablesStrip, true);
    m_form->activateWindow();
    m_list->SetFocus();
    QTRY_VERIFY(m_list->GetSafeHwnd()->hasFocus());
    m_list->SetCurSel(1);
    Click(CellCentre(2)); // "Move Up"
    QCOMPARE(Rows(), (QStringList{"Reactor.P", "Reactor.T", "Feed.F"}));
    QVERIFY(m_list->GetSafeHwnd()->hasFocus());
}

void ListBoxExBuddyTest::quickSecondClickRunsTheCommandAgain()
{
    MakeStrip(VariablesStrip, true);
    m_list->SetCurSel(0);
    Move(CellCentre(3));
    QTest::mouseDClick(m_form->windowHandle(), Qt::LeftButton, {}, ToWindow(CellCentre(3)));
    QCOMPARE(m_log, (QStringList{"list 3", "list 3"}));
    QCOMPARE(Rows(), (QStringList{"Reactor.P", "Feed.F", "Reactor.T"}));
}

void ListBoxExBuddyTest::releaseAwayFromThePressedButtonRunsNothing_data()
{
    QTest::addColumn<QList<QPoint>>("movesAfterPress");
    QTest::addColumn<bool>("releaseOnPressed");
    QTest::addColumn<QStringList>("expected");
    // Pressed on button 1; released where the last move went, or back on button 1.
    QTest::newRow("off the strip") << QList<QPoint>{{150, 12}, {300, 60}} << false << QStringList{};
    QTest::newRow("onto the next button") << QList<QPoint>{{190, 12}} << false << QStringList{};
    QTest::newRow("onto the caption") << QList<QPoint>{{20, 12}} << false << QStringList{};
    QTest::newRow("off and back again") << QList<QPoint>{{300, 60}} << true << QStringList{"view 1 1007"};
}

void ListBoxExBuddyTest::releaseAwayFromThePressedButtonRunsNothing()
{
    QFETCH(QList<QPoint>, movesAfterPress);
    QFETCH(bool, releaseOnPressed);
    QFETCH(QStringList, expected);
    MakeStrip(ProfilesStrip, false);
    const QPoint pressed = CellCentre(1);
    Move(pressed);
    Press(pressed);
    QVERIFY(m_strip->IsPressed());
    for (const QPoint& point : movesAfterPress) {
        Move(point);
        // The pressed button stays the hot one while the mouse button is down.
        QCOMPARE(m_strip->GetHotButton(), 1u);
    }
    const QPoint release = releaseOnPressed ? pressed : movesAfterPress.last();
    Move(release);
    Release(release);
    QCOMPARE(m_log, expected);
    QVERIFY(!m_strip->IsPressed());
    QCOMPARE(QWidget::mouseGrabber(), nullptr);

    // The strip is at rest: a plain click works again.
    m_log.clear();
    Click(CellCentre(2));
    QCOMPARE(m_log, QStringList{"view 2 1007"});
}

void ListBoxExBuddyTest::pressBetweenCellsAndReleaseOnACellRunsNothing()
{
    MakeStrip(ProfilesStrip, false);
    Move(QPoint(30, 12));
    Press(QPoint(30, 12));
    QVERIFY(!m_strip->IsPressed());
    // Dragged onto a button with the mouse button still down, as a hand does.
    Move(QPoint(100, 12));
    Move(CellCentre(0));
    Release(CellCentre(0));
    QCOMPARE(m_log, QStringList{});
    QCOMPARE(QWidget::mouseGrabber(), nullptr);
}

void ListBoxExBuddyTest::disabledStripRunsNothing()
{
    MakeStrip(ProfilesStrip, false);
    m_strip->EnableWindow(false);
    Click(CellCentre(1));
    QCOMPARE(m_log, QStringList{});
    QCOMPARE(m_strip->GetHotButton(), m_strip->GetButtonCount());

    m_strip->EnableWindow(true);
    Click(CellCentre(1));
    QCOMPARE(m_log, QStringList{"view 1 1007"});
}

void ListBoxExBuddyTest::failingCommandIsReportedAndTheStripStaysUsable()
{
    ScriptedMessageBoxResponder boxes;
    MakeStrip(PlotStrip, true);
    m_view->failNext = true;
    Click(CellCentre(0));
    // The failure ends the command: the list's part does not run.
    QCOMPARE(m_log, QStringList{"view 0 1018"});
    QCOMPARE(boxes.boxes().size(), size_t(1));
    QCOMPARE(boxes.boxes()[0].owner, m_form.get());
    QVERIFY(boxes.boxes()[0].text.Find("index out of range") >= 0);

    m_log.clear();
    Click(CellCentre(0));
    QCOMPARE(m_log, (QStringList{"view 0 1018", "list 1"}));
}

void ListBoxExBuddyTest::resizeKeepsCellsAnchoredRight_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::newRow("wider") << 300 << 24;
    QTest::newRow("narrower") << 120 << 24;
    QTest::newRow("taller") << 200 << 31;
    QTest::newRow("one button high") << 200 << 20;
}

void ListBoxExBuddyTest::resizeKeepsCellsAnchoredRight()
{
    QFETCH(int, width);
    QFETCH(int, height);
    MakeStrip(VariablesStrip, false);
    m_placeholder->resize(width, height);
    const UINT none = 4;
    const int top = (height - CellHeight) / 2;
    const int firstLeft = width - 4 * CellWidth;
    const struct {
        QPoint point;
        UINT hot;
    } probes[] = {
        {{width - 1, top}, 3},
        {{width - CellWidth, top + CellHeight - 1}, 3},
        {{width - CellWidth - 1, top + 10}, 2},
        {{firstLeft, top + 10}, 0},
        {{firstLeft - 1, top + 10}, none},
        {{width - 5, top - 1}, none},
        {{width - 5, top + CellHeight}, none},
    };
    for (const auto& probe : probes) {
        if (probe.point.y() < 0 || probe.point.y() >= height)
            continue; // not on the strip at this height
        Move(QPoint(2, height / 2));
        Move(probe.point);
        QCOMPARE(m_strip->GetHotButton(), probe.hot);
    }
    Click(QPoint(width - 3, height / 2));
    QCOMPARE(m_log, QStringList{"view 3 1005"});
}

void ListBoxExBuddyTest::paintShowsCaptionOnFaceAndImageFlushRight()
{
    MakeStrip(VariablesStrip, false);
    const QImage image = Grab();
    const int width = image.width();
    const int top = (image.height() - CellHeight) / 2;
    QCOMPARE(image.pixelColor(width / 2, 1), Face);

    // The caption from x = 2: text pixels at the left, none in the first two columns.
    int textPixels = 0;
    for (int y = 0; y < image.height(); ++y) {
        QVERIFY(image.pixelColor(0, y) == Face && image.pixelColor(1, y) == Face);
        for (int x = 2; x < width - 88; ++x)
            textPixels += IsTextPixel(image.pixelColor(x, y)) ? 1 : 0;
    }
    QVERIFY(textPixels > 20);

    // The image ends at the window's right edge, each glyph in its button's
    // cell: the sheet of "Add Variable" white, the cross of "Remove Variable"
    // dark red, the stem of "Move Down" black.
    const QColor darkRed(128, 0, 0);
    QCOMPARE(image.pixelColor(width - 4 * CellWidth + 12, top + 12), QColor(Qt::white));
    QCOMPARE(image.pixelColor(width - 3 * CellWidth + 6, top + 5), darkRed);
    QCOMPARE(image.pixelColor(width - 3 * CellWidth + 15, top + 14), darkRed);
    QCOMPARE(image.pixelColor(width - CellWidth + 9, top + 4), QColor(Qt::black));
    QCOMPARE(image.pixelColor(width - 1, top + 10), Face); // the mapped ground
}

void ListBoxExBuddyTest::hotButtonHasRaisedEdgeAndPressedButtonSunkenEdge()
{
    MakeStrip(VariablesStrip, false);
    const int width = m_placeholder->width();
    const int top = (m_placeholder->height() - CellHeight) / 2;
    const int left = width - CellWidth; // the rightmost button's cell
    struct Sides {
        QColor left, top, right, bottom;
    };
    const auto sides = [&](const QImage& image) {
        return Sides{image.pixelColor(left, top + 10), image.pixelColor(left + 10, top),
                     image.pixelColor(width - 1, top + 10), image.pixelColor(left + 10, top + CellHeight - 1)};
    };

    Move(CellCentre(3));
    Sides edge = sides(Grab());
    QCOMPARE(edge.left, Highlight);
    QCOMPARE(edge.top, Highlight);
    QCOMPARE(edge.right, Shadow);
    QCOMPARE(edge.bottom, Shadow);
    QCOMPARE(Grab().pixelColor(width - 2 * CellWidth, top + 10), Face); // no edge on the others

    Press(CellCentre(3));
    edge = sides(Grab());
    QCOMPARE(edge.left, Shadow);
    QCOMPARE(edge.top, Shadow);
    QCOMPARE(edge.right, Highlight);
    QCOMPARE(edge.bottom, Highlight);
    Release(CellCentre(3));

    // Leaving the strip takes the edge away.
    QTest::mouseMove(m_form->windowHandle(), QPoint(100, 150));
    QTRY_COMPARE(m_strip->GetHotButton(), 4u);
    edge = sides(Grab());
    QCOMPARE(edge.left, Face);
    QCOMPARE(edge.right, Face);
}

void ListBoxExBuddyTest::longCaptionGoesUnderTheImage()
{
    MakeStrip(VariablesStrip, false, "WWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWW");
    const QImage image = Grab();
    const int imageLeft = image.width() - 88;
    const int top = (image.height() - CellHeight) / 2;
    int beside = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 2; x < imageLeft; ++x)
            beside += IsTextPixel(image.pixelColor(x, y)) ? 1 : 0;
    }
    QVERIFY(beside > 50);
    // Over the image, only the image's own colours: no caption shows through.
    for (int y = top; y < top + CellHeight; ++y) {
        for (int x = imageLeft; x < image.width(); ++x) {
            if (!IsImageColour(image.pixelColor(x, y)))
                QFAIL(qPrintable(QStringLiteral("caption pixel at %1,%2").arg(x).arg(y)));
        }
    }
}

void ListBoxExBuddyTest::stripWithoutImageStillPaintsAndClicks()
{
    StripSetup setup = TimesStrip;
    setup.imageId = 4242;
    MakeStrip(setup, false);
    QCOMPARE(m_strip->GetImageWidth(), 0);
    QCOMPARE(Grab().pixelColor(195, 12), Face);
    Click(CellCentre(0));
    QCOMPARE(m_log, QStringList{"view 0 1036"});
}

void ListBoxExBuddyTest::tooltipShowsEachButtonsText()
{
    MakeStrip(VariablesStrip, false);
    const QStringList expected{"Add Variable", "Remove Variable", "Move Up", "Move Down"};
    for (int button = 0; button < 4; ++button) {
        const QPoint point = CellCentre(button);
        QHelpEvent event(QEvent::ToolTip, point, m_placeholder->mapToGlobal(point));
        QApplication::sendEvent(m_placeholder, &event);
        QTRY_VERIFY(QToolTip::isVisible());
        QCOMPARE(QToolTip::text(), expected[button]);
    }
    // The caption has no tooltip.
    QHelpEvent caption(QEvent::ToolTip, QPoint(20, 12), m_placeholder->mapToGlobal(QPoint(20, 12)));
    QApplication::sendEvent(m_placeholder, &caption);
    QTRY_VERIFY(!QToolTip::isVisible());
}

void ListBoxExBuddyTest::needTextCopiesAtMost79CharactersAndReportsUnknownTools()
{
    ScriptedMessageBoxResponder boxes;
    StripSetup setup = TimesStrip;
    setup.tooltips.SetAt(1, CString('x', 100));
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
    QVERIFY_THROWS_EXCEPTION(CInvalidArgException, m_strip->GetTooltipText(0));
}

void ListBoxExBuddyTest::formGoingBeforeTheStripIsSafe()
{
    MakeStrip(VariablesStrip, false);
    Move(CellCentre(1));
    m_form.reset();
    QCOMPARE(m_strip->GetSafeHwnd(), nullptr);
    m_strip.reset();
}

void ListBoxExBuddyTest::stripGoingBeforeTheFormLeavesAPlainButton()
{
    MakeStrip(VariablesStrip, false);
    const QPoint point = CellCentre(1);
    m_strip.reset();
    // Neither the tooltips nor the clicks reach the strip that is gone.
    QHelpEvent event(QEvent::ToolTip, point, m_placeholder->mapToGlobal(point));
    QApplication::sendEvent(m_placeholder, &event);
    QVERIFY(!QToolTip::isVisible());
    Click(point);
    QCOMPARE(m_log, QStringList{});
}

QTEST_MAIN(ListBoxExBuddyTest)
#include "tst_listboxexbuddy.moc"
