// The profiles and variables lists driven as a person drives them: the
// profiles strip, keys, label editing, double- and right-clicks, column
// clicks, and the variables strip acting on the current profile.

#include "editorfixture.h"

#include "resources/dimensionmenus.h"
#include "resources/formcontrolids.h"
#include "support/projecttest.h"
#include "support/scriptedmessageboxresponder.h"
#include "support/scriptedpopupmenu.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QTest>
#include <QTreeView>

using namespace FormControl;

namespace {

// A 2-d plot with "x" on the x axis, "P" plotted and three unassigned profiles.
PlotDefinition ListsDefinition()
{
    PlotDefinition definition;
    definition.is3DPlot = 0;
    definition.xAxisName = "x";
    definition.xAxisVariables = Strings({"z(*)"});
    AddPlotted(definition, "P", 1, {"P(*)"});
    AddUnassigned(definition, "b", 1, {"b(1)", "b(2)"});
    AddUnassigned(definition, "B", 2, {"B(*)"});
    AddUnassigned(definition, "a", 2, {});
    return definition;
}

class ListsEditor : public EditorFixture {
public:
    CListCtrl& Profiles() const { return ListControl(ProfilesList); }
    QTreeView* Tree() const { return qobject_cast<QTreeView*>(Widget(ProfilesList)); }
    int RowNamed(const char* name) const
    {
        for (int row = 0; row < Profiles().GetItemCount(); ++row) {
            if (Profiles().GetItemText(row, 0) == name)
                return row;
        }
        return -1;
    }
    QPoint Cell(int row, int column) const { return Tree()->visualRect(Tree()->model()->index(row, column)).center(); }
    void Select(std::initializer_list<const char*> names) const
    {
        QList<int> rows;
        for (const char* name : names)
            rows << RowNamed(name);
        SelectProfileRows(rows);
    }
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) const
    {
        Tree()->setFocus();
        QTest::keyClick(Tree(), key, modifiers);
    }
    QLineEdit* LabelEditor() const { return OpenEditor(ProfilesList); }
    void TypeLabel(const QString& text) const
    {
        TypeInto(LabelEditor(), text);
        if (LabelEditor())
            QTest::keyClick(LabelEditor(), Qt::Key_Return);
    }
    QStringList SelectedNames() const
    {
        QStringList names;
        for (int row = 0; row < Profiles().GetItemCount(); ++row) {
            if (Profiles().GetItemState(row, LVIS_SELECTED))
                names << QString::fromLocal8Bit(Profiles().GetItemText(row, 0).GetString());
        }
        return names;
    }
};

} // namespace

class ProfileListsTest : public QObject {
    Q_OBJECT
private slots:
    void deleteAsksOnceForTheAssignedProfile_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QStringList>("plotted");
        QTest::newRow("No keeps it") << IDNO << QStringList {"x|1 D", "P|1 D", "a|2 D"} << QStringList {"P"};
        QTest::newRow("Yes deletes it") << IDYES << QStringList {"x|1 D", "a|2 D"} << QStringList {};
    }

    void deleteAsksOnceForTheAssignedProfile()
    {
        QFETCH(int, answer);
        QFETCH(QStringList, rows);
        QFETCH(QStringList, plotted);
        ListsEditor editor;
        QVERIFY(editor.Open(ListsDefinition(), Access::Direct));
        ScriptedMessageBoxResponder boxes;
        boxes.Answer(answer);
        // Rows: x, P, b, B, a; the middle one of the three is plotted.
        editor.Select({"b", "P", "B"});
        editor.Key(Qt::Key_Delete);
        QCOMPARE(int(boxes.boxes().size()), 1);
        QCOMPARE(boxes.boxes()[0].text, CString("The profile P is in use.\n\nDo you want to delete it anyway?"));
        QCOMPARE(boxes.boxes()[0].style, UINT(0x40024));
        QCOMPARE(editor.ProfileRows(), rows);
        QCOMPARE(editor.PlotEntries(), plotted);
        QCOMPARE(editor.SelectedNames(), QStringList {});
    }

    void deletingTheCurrentProfileLeavesNoCurrentProfile()
    {
        ListsEditor editor;
        CSUProfileEditorView* view = editor.Open(ListsDefinition(), Access::Direct);
        ScriptedMessageBoxResponder boxes;
        boxes.Answer(IDNO);
        // Answering No for P leaves "b" alone selected, so "b" becomes current
        // just before it is deleted.
        editor.Select({"P", "b"});
        editor.ClickStripButton(ProfilesStrip, 1, 3);
        QCOMPARE(int(boxes.boxes().size()), 1);
        QCOMPARE(editor.RowNamed("b"), -1);
        QCOMPARE(view->ProfilesPart().CurrentProfile(), nullptr);
        QCOMPARE(editor.VariableEntries(), QStringList {});
        QVERIFY(!editor.Enabled(VariablesStrip));
    }

    void dimensionByStripCtrlDAndContextMenu()
    {
        ListsEditor editor;
        CSUProfileEditorView* view = editor.Open(ListsDefinition(), Access::Direct);
        editor.Select({"b", "B"});
        editor.Key(Qt::Key_D, Qt::ControlModifier);
        QCOMPARE(editor.ProfileRows().mid(2, 2), (QStringList {"b|2 D", "B|1 D"}));
        // D alone does nothing.
        editor.Key(Qt::Key_D);
        QCOMPARE(editor.ProfileRows().mid(2, 2), (QStringList {"b|2 D", "B|1 D"}));
        editor.ClickStripButton(ProfilesStrip, 2, 3);
        QCOMPARE(editor.ProfileRows().mid(2, 2), (QStringList {"b|1 D", "B|2 D"}));
        // The context menu offers the other dimension for its row only.
        ScriptedPopupMenu menus;
        menus.Answer(ID_MARK_PROFILE_1D);
        editor.Select({"B", "a"});
        const QPoint onB = editor.Cell(editor.RowNamed("B"), 0);
        QTest::mouseClick(editor.Tree()->viewport(), Qt::RightButton, {}, onB);
        QCOMPARE(int(menus.shown().size()), 1);
        QCOMPARE(menus.shown()[0].texts, QStringList {"Mark profile as &1D\tCtrl+D"});
        QCOMPARE(menus.shown()[0].commands, std::vector<UINT> {32783});
        QCOMPARE(menus.shown()[0].flags, UINT(0x180));
        const QPoint screen = editor.Tree()->viewport()->mapToGlobal(onB);
        QCOMPARE(menus.shown()[0].at.x, screen.x());
        QCOMPARE(menus.shown()[0].at.y, screen.y());
        QCOMPARE(menus.shown()[0].owner, view->GetSafeHwnd());
        QCOMPARE(editor.ProfileRows().mid(3), (QStringList {"B|1 D", "a|2 D"}));
        // A 1-D profile is offered 2-D; dismissing the menu changes nothing.
        QTest::mouseClick(editor.Tree()->viewport(), Qt::RightButton, {}, editor.Cell(editor.RowNamed("b"), 1));
        QCOMPARE(menus.shown()[1].commands, std::vector<UINT> {32781});
        QCOMPARE(menus.shown()[1].texts, QStringList {"Mark profile as &2D\tCtrl+D"});
        QCOMPARE(editor.ProfileRows().mid(2), (QStringList {"b|1 D", "B|1 D", "a|2 D"}));
        // Below the last row there is no menu.
        QTest::mouseClick(
            editor.Tree()->viewport(), Qt::RightButton, {}, QPoint(20, editor.Tree()->viewport()->height() - 5));
        QCOMPARE(int(menus.shown().size()), 2);
    }

    void doubleClickTogglesCreatesOrRenames()
    {
        ListsEditor editor;
        QVERIFY(editor.Open(ListsDefinition(), Access::Direct));
        QWidget* viewport = editor.Tree()->viewport();
        const auto doubleClick = [viewport](const QPoint& at) {
            QTest::mouseClick(viewport, Qt::LeftButton, {}, at);
            QTest::mouseDClick(viewport, Qt::LeftButton, {}, at);
        };
        // On the "Dim." cell of the last row: that row toggles. Near the top of
        // the cell, where a point taken relative to the window rectangle (border
        // and header included) would fall below the list's last row.
        const int last = editor.Profiles().GetItemCount() - 1;
        const QRect dimCell = editor.Tree()->visualRect(editor.Tree()->model()->index(last, 1));
        doubleClick(QPoint(dimCell.center().x(), dimCell.top() + 2));
        QCOMPARE(editor.ProfileRows().last(), QString("a|1 D"));
        QVERIFY(!editor.LabelEditor());
        // On a name with that row alone selected: rename.
        doubleClick(editor.Cell(editor.RowNamed("b"), 0));
        QVERIFY(editor.LabelEditor());
        QCOMPARE(editor.SelectedNames(), QStringList {"b"});
        QTest::keyClick(editor.LabelEditor(), Qt::Key_Escape);
        // On empty space with nothing selected: a new profile, opened for editing.
        const QPoint empty(20, viewport->height() - 5);
        doubleClick(empty);
        QCOMPARE(editor.ProfileRows().size(), 6);
        QCOMPARE(editor.ProfileRows().last(), QString("New Profile|1 D"));
        QVERIFY(editor.LabelEditor());
        editor.TypeLabel("Feed");
        QCOMPARE(editor.ProfileRows().last(), QString("Feed|1 D"));
        // Insert makes the next one, with the next key, selected alone and open for editing.
        editor.Key(Qt::Key_Insert);
        QCOMPARE(editor.ProfileRows().last(), QString("New Profile|1 D"));
        QCOMPARE(editor.Profiles().GetItemData(6), editor.Profiles().GetItemData(5) + 1);
        QCOMPARE(editor.SelectedNames(), QStringList {"New Profile"});
        QVERIFY(editor.LabelEditor()
            && editor.view()->ProfilesPart().CurrentProfile() == editor.view()->ProfilesPart().ProfileFromRow(6));
    }

    void rowsWithoutProfileAreLeftAlone()
    {
        ListsEditor editor;
        CSUProfileEditorView* view = editor.Open(ListsDefinition(), Access::Direct);
        // A row whose key the set does not hold.
        const int orphan = editor.RowNamed("b");
        editor.Profiles().SetItemData(orphan, 999);
        editor.Select({"b"});
        QCOMPARE(view->ProfilesPart().CurrentProfile(), nullptr);
        QTest::ignoreMessage(
            QtWarningMsg, "Dimension: row 2 of the profiles list names no profile; it stays as it is.");
        editor.ClickStripButton(ProfilesStrip, 2, 3);
        QTest::ignoreMessage(
            QtWarningMsg, "Dimension: row 2 of the profiles list names no profile; it stays as it is.");
        editor.Key(Qt::Key_D, Qt::ControlModifier);
        editor.Profiles().EditLabel(orphan);
        QTest::ignoreMessage(QtWarningMsg, "Rename: row 2 of the profiles list names no profile; it keeps its text.");
        editor.TypeLabel("c");
        editor.Select({"b", "a"});
        QTest::ignoreMessage(QtWarningMsg, "Delete: row 2 of the profiles list names no profile; it stays.");
        editor.Key(Qt::Key_Delete);
        QCOMPARE(editor.ProfileRows(), (QStringList {"x|1 D", "P|1 D", "b|1 D", "B|2 D"}));
    }

    void columnClicksFlipOneDirectionAndRenamesReachEveryDisplay()
    {
        ListsEditor editor;
        QVERIFY(editor.Open(ListsDefinition(), Access::Direct));
        QHeaderView* header = editor.Tree()->header();
        const auto clickColumn = [header](int column) {
            QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                QPoint(header->sectionViewportPosition(column) + 10, header->height() / 2));
        };
        const auto names = [&editor] {
            QStringList texts;
            for (const QString& row : editor.ProfileRows())
                texts << row.section('|', 0, 0);
            return texts;
        };
        // Byte order: capitals before small letters.
        clickColumn(0);
        QCOMPARE(names(), (QStringList {"B", "P", "a", "b", "x"}));
        clickColumn(0);
        QCOMPARE(names(), (QStringList {"x", "b", "a", "P", "B"}));
        clickColumn(1);
        QCOMPARE(editor.ProfileRows(), (QStringList {"x|1 D", "b|1 D", "P|1 D", "a|2 D", "B|2 D"}));
        // Sorted rows still lead to their profiles: renames trim the name and reach every display.
        const auto rename = [&editor](const char* name, const QString& text) {
            editor.Profiles().EditLabel(editor.RowNamed(name));
            editor.TypeLabel(text);
        };
        rename("x", "  Height \t");
        QCOMPARE(editor.Text(XAxisField), QString("Height"));
        rename("P", " Pressure ");
        QCOMPARE(editor.PlotEntries(), QStringList {"Pressure"});
        // Blanks only: the old name stays everywhere.
        rename("Pressure", "   ");
        QCOMPARE(editor.PlotEntries(), QStringList {"Pressure"});
        QCOMPARE(editor.ProfileRows().first(), QString("Height|1 D"));
        // Escape ends the edit with the typed name, as Enter does.
        editor.Profiles().EditLabel(editor.RowNamed("Pressure"));
        QTest::keyClicks(editor.LabelEditor(), " Typed ");
        QTest::keyClick(editor.LabelEditor(), Qt::Key_Escape);
        QCOMPARE(editor.PlotEntries(), QStringList {"Typed"});
    }
};

PE_TEST_MAIN(ProfileListsTest)
#include "tst_profilelists.moc"
