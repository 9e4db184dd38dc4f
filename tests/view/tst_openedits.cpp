// Commands that arrive while a row is edited in place: strip buttons pressed
// without moving the focus, a display unit change, the host's reload during a
// question and during an edit, Apply and OK by mnemonic. Each ends the open
// edit as leaving it would, and then acts on the rows as the edit left them.

#include "editorfixture.h"

#include "controls/listboxex.h"
#include "resources/formcontrolids.h"
#include "support/projecttest.h"
#include "support/scriptedmessageboxresponder.h"

#include <QTest>

using namespace FormControl;

class OpenEditsTest : public QObject {
    Q_OBJECT
private slots:
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
        QTest::addColumn<QStringList>("variables");
        QTest::newRow("Move Up") << 2 << QStringList {"X", "A", "C"};
        QTest::newRow("Remove Variable") << 1 << QStringList {"A", "C"};
        QTest::newRow("Move Down") << 3 << QStringList {"A", "C", "X"};
        QTest::newRow("Add Variable") << 0 << QStringList {"A", "X", "C", "D"};
    }

    void accessibleVariablesStripEndsTheEditFirst()
    {
        QFETCH(int, button);
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
            QTest::keyClicks(open, "D");
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
        CSUProfileEditorView* view = editor.Open(definition, Access::Direct);
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
        QCOMPARE(view->ProfilesPart().Profiles().GetCount(), 4);
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
        QVERIFY(!editor.OpenEditor(VariablesList));
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
        // keyboard, with the focus left in the field.
        QTest::addColumn<UINT>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<UINT>("button");
        QTest::addColumn<QString>("message");
        QTest::newRow("Alt+A, interval abc") << IntervalField << "abc" << Apply << "Value is not a real value.";
        QTest::newRow("OK, interval abc") << IntervalField << "abc" << Ok << "Value is not a real value.";
        QTest::newRow("Alt+A, start -1") << StartTimeField << "-1" << Apply << "Times cannot be less than zero.";
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
        PlotDefinition definition = SpecifiedTimes({"0*", "2"});
        definition.timeMode = 2;
        CSUProfileEditorView* view = editor.Open(definition, Access::Host);
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
        bool written = false;
        editor.WrittenTimes(&written);
        QVERIFY(!written);
        QVERIFY(edit->hasFocus());
        QCOMPARE(editor.Text(field), text);
    }
};

PE_TEST_MAIN(OpenEditsTest)
#include "tst_openedits.moc"
