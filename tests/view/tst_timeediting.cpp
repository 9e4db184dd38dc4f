// The time settings edited as a person edits them: rows of the times list
// added with Insert, typed in place, checked, sorted and thinned, deleted with
// the Delete key and the strip; the start-time and interval fields checked when
// they lose the focus; numbers in the C and a comma-decimal locale.

#include "editorfixture.h"

#include "resources/formcontrolids.h"
#include "support/defaultnumericlocale.h"
#include "support/projecttest.h"
#include "support/scriptedmessageboxresponder.h"

#include <QJsonArray>
#include <QLineEdit>
#include <QTest>

using namespace FormControl;

namespace {

// Insert in the times list, then `text` typed over the new row's 0.0, ended by `key`.
void EnterRow(const EditorFixture& editor, const QString& text, Qt::Key key = Qt::Key_Return)
{
    QTest::keyClick(editor.Widget(TimesList), Qt::Key_Insert);
    QLineEdit* line = editor.OpenEditor(TimesList);
    QVERIFY(line);
    if (!text.isNull())
        TypeInto(line, text);
    QTest::keyClick(line, key);
    QVERIFY(!editor.ListControl(TimesList).GetEditControl());
}

} // namespace

class TimeEditingTest : public QObject {
    Q_OBJECT
private slots:
    void rowsAreRefusedSortedThinnedAndDeleted()
    {
        ScriptedMessageBoxResponder boxes;
        EditorFixture editor;
        QVERIFY(editor.Open(SpecifiedTimes({"10", "4"}), Access::Host));
        editor.ClickTab(1);
        for (const char* text : {"-1", "apples", "", "nan", "inf"})
            EnterRow(editor, text);
        QCOMPARE(boxes.texts(),
            QStringList({"Times cannot be less than zero.", "Value is not a real value.", "Value is not a real value.",
                "Value is not a real value.", "Value is not a real value."}));
        // Rows read from the host keep the host's order until a row is edited.
        QCOMPARE(editor.TimeRows(), QStringList({"10", "4"}));
        EnterRow(editor, "3 apples");
        QCOMPARE(editor.TimeRows(), QStringList({"3", "4", "10"}));
        boxes.Clear();
        EnterRow(editor, "1");
        // A new row accepted unchanged holds zero and sorts first; a second one
        // is a duplicate and goes.
        EnterRow(editor, QString());
        EnterRow(editor, QString());
        EnterRow(editor, "3.0");
        QCOMPARE(editor.TimeRows(), QStringList({"0", "1", "3", "4", "10"}));
        // Escape still applies the typed text.
        EnterRow(editor, "2", Qt::Key_Escape);
        QCOMPARE(editor.TimeRows(), QStringList({"0", "1", "2", "3", "4", "10"}));
        QVERIFY(boxes.events().empty());
        // Delete removes the selected rows, by key and by the strip.
        CListCtrl& list = editor.ListControl(TimesList);
        list.SetItemState(-1, 0, LVIS_SELECTED);
        list.SetItemState(1, LVIS_SELECTED, LVIS_SELECTED);
        list.SetItemState(3, LVIS_SELECTED, LVIS_SELECTED);
        QTest::keyClick(editor.Widget(TimesList), Qt::Key_Delete);
        QCOMPARE(editor.TimeRows(), QStringList({"0", "2", "4", "10"}));
        list.SetItemState(-1, LVIS_SELECTED, LVIS_SELECTED);
        editor.ClickStripButton(TimesStrip, 1, 2);
        QVERIFY(editor.TimeRows().isEmpty());
    }

    void fieldsAreCheckedWhenLeft()
    {
        ScriptedMessageBoxResponder boxes;
        EditorFixture editor;
        PlotDefinition definition = SpecifiedTimes({"0*", "1"});
        definition.timeMode = 2;
        CSUProfileEditorView* view = editor.Open(definition, Access::Host);
        editor.ClickTab(1);
        QWidget* start = editor.Widget(StartTimeField);
        QWidget* interval = editor.Widget(IntervalField);
        view->GetDlgItem(IntervalField)->SetWindowText("0");
        editor.Focus(interval);
        start->setFocus();
        QCOMPARE(boxes.texts(), QStringList({"Time intervals must be greater than zero."}));
        QTRY_VERIFY(interval->hasFocus());
        QCOMPARE(editor.Text(IntervalField), QStringLiteral("0"));
        boxes.Clear();
        view->GetDlgItem(IntervalField)->SetWindowText(" 2.50 ");
        editor.Focus(start);
        QCOMPARE(editor.Text(IntervalField), QStringLiteral("2.5"));
        view->GetDlgItem(StartTimeField)->SetWindowText("0.12345670");
        editor.Focus(interval);
        QCOMPARE(editor.Text(StartTimeField), QStringLiteral("0.1234567"));
        // Apply finds the interval, which the user is not in, out of range: no
        // box of its own, and the interval field gets the focus back, so that
        // leaving it tells again.
        editor.Focus(start);
        view->GetDlgItem(IntervalField)->SetWindowText("0");
        view->SendMessage(WM_COMMAND, MAKEWPARAM(Apply, BN_CLICKED), 0);
        QVERIFY(boxes.events().empty());
        QTRY_VERIFY(interval->hasFocus());
        start->setFocus();
        QCOMPARE(boxes.texts(), QStringList({"Time intervals must be greater than zero."}));
        boxes.Clear();
        view->GetDlgItem(IntervalField)->SetWindowText("2.5");
        editor.Focus(start);
        // An erased field is left alone here; Apply tells of it.
        view->GetDlgItem(IntervalField)->SetWindowText("");
        editor.Focus(start);
        QVERIFY(boxes.events().empty());
    }

    void commaDecimalRowsAreWrittenAsTyped()
    {
        const DefaultNumericLocale locale("de_DE.UTF-8");
        ScriptedMessageBoxResponder boxes;
        EditorFixture editor;
        QVERIFY(editor.Open(SpecifiedTimes({}), Access::Host));
        editor.ClickTab(1);
        EnterRow(editor, "2,5");
        EnterRow(editor, "10");
        QCOMPARE(editor.TimeRows(), QStringList({"2,5", "10"}));
        editor.Click(Apply);
        QVERIFY(boxes.events().empty());
        // The host gets the entries in the user's conventions and gives them back so.
        bool written = false;
        QCOMPARE(editor.WrittenTimes(&written), QStringList({"2,5", "10"}));
        QVERIFY(written);
        CStringArray readBack;
        editor.plotData()->GetTimes(readBack);
        QCOMPARE(readBack.GetSize(), 2);
        QCOMPARE(readBack[0].ToQString(), QStringLiteral("2,5"));
    }

    void typedStartTimeKeepsEveryDigit_data()
    {
        QTest::addColumn<QByteArray>("locale");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("seven digits") << QByteArray("C") << QString("3600.125") << QString("3600.125");
        QTest::newRow("decimal comma") << QByteArray("de_DE.UTF-8") << QString("3600,125") << QString("3600,125");
        QTest::newRow("many digits") << QByteArray("C") << QString("12.00000000000012") << QString("12.00000000000012");
        QTest::newRow("trailing zeros and blanks") << QByteArray("C") << QString(" 0.10 ") << QString("0.1");
    }

    // What a person types in the start-time field stays as typed when the field
    // is left, and Apply writes that value.
    void typedStartTimeKeepsEveryDigit()
    {
        QFETCH(QByteArray, locale);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        const DefaultNumericLocale numbers(locale.constData());
        ScriptedMessageBoxResponder boxes;
        EditorFixture editor;
        PlotDefinition definition = SpecifiedTimes({"0*", "1"});
        definition.timeMode = 2;
        QVERIFY(editor.Open(definition, Access::Host));
        editor.ClickTab(1);
        auto* start = qobject_cast<QLineEdit*>(editor.Widget(StartTimeField));
        editor.Focus(start);
        TypeInto(start, typed);
        editor.Widget(IntervalField)->setFocus();
        QTRY_VERIFY(editor.Widget(IntervalField)->hasFocus());
        QCOMPARE(editor.Text(StartTimeField), shown);
        editor.Click(Apply);
        QVERIFY(boxes.events().empty());
        // The model keeps the written start time with a decimal point.
        const CStringArray& written = editor.plotData()->definition().timeEntries;
        QCOMPARE(written.GetSize(), 2);
        QCOMPARE(written[0].ToQString(), QString(shown).replace(',', '.') + '*');
    }
};

PE_TEST_MAIN(TimeEditingTest)
#include "tst_timeediting.moc"
