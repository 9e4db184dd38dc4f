// Dialog templates: dialog units to pixels, and controls with their ids,
// geometry and styles (radio sets and clicks: see the common controls test).

#include "platform/windows/dialogtemplate.h"
#include "platform/windows/wnd.h"
#include "support/projecttest.h"

#include <QTest>
#include <QWidget>

namespace {

const DialogTemplate& Sample()
{
    static const DialogTemplate dialog {100, 50, "Sans Serif", 8,
        {{1001, DialogControlKind::AutoRadioButton, "&2d plot", WS_CHILD | WS_VISIBLE | WS_GROUP, 4, 4, 40, 10},
            {1002, DialogControlKind::AutoRadioButton, "&3d plot", WS_CHILD | WS_VISIBLE, 50, 4, 40, 10},
            {1021, DialogControlKind::AutoRadioButton, "&Time", WS_CHILD | WS_VISIBLE | WS_GROUP, 4, 16, 40, 10},
            {1022, DialogControlKind::AutoRadioButton, "&Profile", WS_CHILD | WS_VISIBLE, 50, 16, 40, 10},
            {1040, DialogControlKind::Static, "&Max.", WS_CHILD | WS_VISIBLE | WS_DISABLED, 4, 30, 20, 8},
            {1042, DialogControlKind::PushButton, "&Apply", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 60, 30, 30, 14}}};
    return dialog;
}

} // namespace

class DialogTemplateTest : public QObject {
    Q_OBJECT
private slots:
    void dialogUnitsScaleByTheFontsBaseUnits()
    {
        const DialogBaseUnits base {6, 13};
        const RECT r = DialogUnitsToPixels(RECT {4, 8, 328, 249}, base);
        QCOMPARE(r.left, 6);
        QCOMPARE(r.top, 13);
        QCOMPARE(r.right, 492);
        QCOMPARE(r.bottom, 405); // 249 * 13 / 8 = 404.6, rounded
        const DialogBaseUnits measured = DialogBaseUnitsOf(DialogFont(Sample()));
        QVERIFY(measured.x > 2 && measured.x < 20);
        QVERIFY(measured.y > 6 && measured.y < 40);
    }

    void controlsCarryIdsGeometryAndStyles()
    {
        QWidget form;
        const SIZE size = CreateDialogControls(Sample(), &form);
        const DialogBaseUnits base = DialogBaseUnitsOf(form.font());
        QCOMPARE(size.cx, DialogUnitsToPixels(RECT {0, 0, 100, 50}, base).right);
        CWnd* formWnd = CWnd::FromHandle(&form);
        QWidget* apply = formWnd->GetDlgItemHandle(1042);
        const RECT expected = DialogUnitsToPixels(RECT {60, 30, 90, 44}, base);
        QCOMPARE(apply->geometry(),
            QRect(expected.left, expected.top, expected.right - expected.left, expected.bottom - expected.top));
        QVERIFY(CWnd::FromHandle(apply)->GetStyle() & WS_TABSTOP);
        QVERIFY(!formWnd->GetDlgItemHandle(1040)->isEnabled());
        QCOMPARE(CWnd::FromHandle(apply)->GetWindowText(), CString("&Apply"));
    }
};

PE_TEST_MAIN(DialogTemplateTest)
#include "tst_dialogtemplate.moc"
