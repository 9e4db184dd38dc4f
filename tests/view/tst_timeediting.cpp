// The time settings edited as a person edits them: rows of the times list
// added with Insert, typed in place, checked, sorted and thinned, deleted with
// the Delete key and the strip; the start-time and interval fields checked when
// they lose the focus; numbers in the C and a comma-decimal locale. Then
// commands that arrive while a row is edited in place: strip buttons pressed
// without moving the focus, a display unit change, the host's reload during a
// question and during an edit, Apply and OK by mnemonic. Each ends the open
// edit as leaving it would, and then acts on the rows as the edit left them.

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
        CSUProfileEditorView* view = editor.Open(SpecifiedTimes({"0*", "1"}, 2), Access::Host);
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
        view->GetDlgItem(IntervalField)->SetWindowText("2.5");
        editor.Focus(start);
        // Apply finds the interval, which the user is not in, out of range: no
        // box of its own, and the interval field gets the focus back, so that
        // leaving it tells again.
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
        // Both fields out of range (a host's negative start time): each one's
        // refusal gives it the focus back, which the other must not refuse in
        // turn without end.
        view->GetDlgItem(IntervalField)->SetWindowText("0");
        view->GetDlgItem(StartTimeField)->SetWindowText("-1");
        interval->setFocus();
        QCOMPARE(boxes.texts(), QStringList({"Times cannot be less than zero."}));
        QTRY_VERIFY(start->hasFocus());
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
        // The host gets the entries in the user's conventions.
        QCOMPARE(editor.WrittenTimes(), QStringList({"2,5", "10"}));
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
        QVERIFY(editor.Open(SpecifiedTimes({"0*", "1"}, 2), Access::Host));
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

    void unitChangeStoresTheEditedTimeFirst()
    {
        ScriptedMessageBoxResponder boxes;
        EditorFixture editor;
        QVERIFY(editor.Open(SpecifiedTimes({"600"}), Access::Host, 1.0, "s"));
        editor.ClickTab(1);
        editor.ListControl(TimesList).EditLabel(0);
        QVERIFY(editor.OpenEditor(TimesList));
        // Tools > Display Time Unit > Minutes while "600" (seconds) is edited.
        editor.document()->SetDisplayUnit("min", 1.0 / 60.0);
        if (QLineEdit* open = editor.OpenEditor(TimesList))
            QTest::keyClick(open, Qt::Key_Return);
        QCOMPARE(editor.TimeRows(), QStringList {"10"});
        editor.Click(Apply);
        QVERIFY(boxes.events().empty());
        QCOMPARE(editor.WrittenTimes(), QStringList {"600"});
    }

    void accessibleVariablesStripEndsTheEditFirst_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<QString>("added"); // typed into the row Add Variable opens
        QTest::addColumn<QStringList>("variables");
        QTest::newRow("Move Up") << 2 << "" << QStringList {"X", "A", "C"};
        QTest::newRow("Remove Variable") << 1 << "" << QStringList {"A", "C"};
        QTest::newRow("Add Variable") << 0 << "D" << QStringList {"A", "X", "C", "D"};
        QTest::newRow("Add Variable, left empty: nothing added") << 0 << "" << QStringList {"A", "X", "C"};
    }

    void accessibleVariablesStripEndsTheEditFirst()
    {
        QFETCH(int, button);
        QFETCH(QString, added);
        QFETCH(QStringList, variables);
        ScriptedMessageBoxResponder boxes;
        EditorFixture editor;
        PlotDefinition definition;
        AddUnassigned(definition, "V", 1, {"A", "B", "C"});
        CSUProfileEditorView* view = editor.Open(definition, Access::Direct);
        QVERIFY(view->ProfilesPart().CurrentProfile());
        editor.EditableList(VariablesList).BeginEdit(1);
        TypeInto(editor.OpenEditor(VariablesList), "X");
        editor.PressStripButton(VariablesStrip, button);
        // Add Variable opens an edit of its own on the new row.
        if (QLineEdit* open = editor.OpenEditor(VariablesList)) {
            QTest::keyClicks(open, added);
            QTest::keyClick(open, Qt::Key_Return);
        }
        QTRY_COMPARE(editor.VariableEntries(), variables);
        QCOMPARE(Texts(view->ProfilesPart().CurrentProfile()->variables), variables);
        QVERIFY(boxes.events().empty());
    }

    void accessibleTimesStripEndsTheEditFirst_data()
    {
        QTest::addColumn<QStringList>("times");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("button");
        QTest::addColumn<QStringList>("rows");
        // Delete removes the edited row, where its new value sorted it.
        QTest::newRow("Delete") << QStringList {"1", "3", "5"} << "9" << 1 << QStringList {"3", "5"};
        QTest::newRow("New") << QStringList {"1", "3"} << "7" << 0 << QStringList {"3", "7", "10"};
    }

    void accessibleTimesStripEndsTheEditFirst()
    {
        QFETCH(QStringList, times);
        QFETCH(QString, typed);
        QFETCH(int, button);
        QFETCH(QStringList, rows);
        ScriptedMessageBoxResponder boxes;
        EditorFixture editor;
        QVERIFY(editor.Open(SpecifiedTimes(times), Access::Host));
        editor.ClickTab(1);
        editor.ListControl(TimesList).EditLabel(0);
        TypeInto(editor.OpenEditor(TimesList), typed);
        editor.PressStripButton(TimesStrip, button);
        // New opens an edit of its own on the new row.
        if (QLineEdit* open = editor.OpenEditor(TimesList)) {
            TypeInto(open, "10");
            QTest::keyClick(open, Qt::Key_Return);
        }
        QTRY_COMPARE(editor.TimeRows(), rows);
        QVERIFY(boxes.events().empty());
    }

    void reloadDuringTheDeleteQuestionDeletesNothingUnselected()
    {
        EditorFixture editor;
        PlotDefinition definition;
        AddPlotted(definition, "P", 1, {"P(*)"});
        AddUnassigned(definition, "b", 1, {"b(1)"});
        AddUnassigned(definition, "B", 2, {"B(*)"});
        QVERIFY(editor.Open(definition, Access::Direct));
        CListCtrl& profiles = editor.ListControl(ProfilesList);
        profiles.SetItemState(-1, 0, LVIS_SELECTED);
        profiles.SetItemState(0, LVIS_SELECTED, LVIS_SELECTED);
        profiles.SetItemState(1, LVIS_SELECTED, LVIS_SELECTED);
        // While "P is in use" is asked, the host reloads a definition whose
        // second row is a profile the user never saw.
        PlotDefinition next = definition;
        next.unassignedNames.InsertAt(0, "new");
        next.unassignedDimensions.InsertAt(0, 1);
        next.unassignedCounts.InsertAt(0, 0);
        editor.plotData()->setDefinition(next);
        ScriptedMessageBoxResponder boxes;
        boxes.DuringNextBox([&editor] { editor.frame()->SendMessage(WM_PE_RELOAD_DEFINITION); });
        boxes.Answer(IDYES);
        editor.Widget(ProfilesList)->setFocus();
        QTest::keyClick(editor.Widget(ProfilesList), Qt::Key_Delete);
        QCOMPARE(boxes.texts(), QStringList {"The profile P is in use.\n\nDo you want to delete it anyway?"});
        QCOMPARE(editor.ProfileRows(), (QStringList {"P|1 D", "new|1 D", "b|1 D", "B|2 D"}));
        QCOMPARE(editor.PlotEntries(), QStringList {"P"});
    }

    void reloadClosesAVariableEdit()
    {
        ScriptedMessageBoxResponder boxes;
        EditorFixture editor;
        PlotDefinition definition;
        AddUnassigned(definition, "V", 1, {"A", "B"});
        CSUProfileEditorView* view = editor.Open(definition, Access::Direct);
        QVERIFY(view && view->ProfilesPart().CurrentProfile());
        CListBoxEx& variables = editor.EditableList(VariablesList);
        variables.BeginEdit(0);
        QLineEdit* open = editor.OpenEditor(VariablesList);
        TypeInto(open, "typed");
        editor.frame()->SendMessage(WM_PE_RELOAD_DEFINITION);
        QVERIFY(!open->isVisible());
        QCOMPARE(variables.GetEditingIndex(), -1);
        QCOMPARE(editor.VariableEntries(), QStringList {});
        QTest::keyClick(open, Qt::Key_Return);
        QVERIFY(boxes.events().empty());
        QCOMPARE(editor.ProfileRows(), QStringList {"V|1 D"});
        QCOMPARE(
            Texts(view->ProfilesPart().Profiles().Find(editor.ListControl(ProfilesList).GetItemData(0))->variables),
            (QStringList {"A", "B"}));
    }

    void mnemonicApplyAndOkCheckTheFocusedTimeField_data()
    {
        // Apply by its mnemonic; OK has none, and its command arrives as from the
        // keyboard, with the focus left in the field. Each button and each field once.
        QTest::addColumn<UINT>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<UINT>("button");
        QTest::addColumn<QString>("message");
        QTest::newRow("Alt+A, interval abc") << IntervalField << "abc" << Apply << "Value is not a real value.";
        QTest::newRow("OK, start x") << StartTimeField << "x" << Ok << "Value is not a real value.";
    }

    void mnemonicApplyAndOkCheckTheFocusedTimeField()
    {
        QFETCH(UINT, field);
        QFETCH(QString, text);
        QFETCH(UINT, button);
        QFETCH(QString, message);
        ScriptedMessageBoxResponder boxes;
        EditorFixture editor;
        CSUProfileEditorView* view = editor.Open(SpecifiedTimes({"0*", "2"}, 2), Access::Host);
        editor.ClickTab(1);
        view->GetDlgItem(static_cast<int>(field))->SetWindowText(text.toLocal8Bit().constData());
        QWidget* edit = editor.Widget(field);
        editor.Focus(edit);
        if (button == Apply)
            QTest::keyClick(edit, Qt::Key_A, Qt::AltModifier);
        else
            view->SendMessage(WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
        QTRY_COMPARE(boxes.texts(), QStringList {message});
        QTest::qWait(50);
        QCOMPARE(boxes.texts(), QStringList {message});
        QVERIFY(editor.WrittenTimes().isEmpty());
        QVERIFY(edit->hasFocus());
        QCOMPARE(editor.Text(field), text);
    }
};

PE_TEST_MAIN(TimeEditingTest)
#include "tst_timeediting.moc"
