// Many short random sequences of what a person and the host do to an open
// editor, edits often left open when the next event arrives: strip presses by
// click and by an assistive tool's action, list keys (Insert, Delete, F2,
// Alt+arrows, Ctrl+D), row clicks, display unit changes, reloads (also while
// a question is open) and received profiles. After every step each list
// shows the profile set, no edit stays open over a row that is gone, no error
// was reported, and nothing the step did not touch has changed.

#include "editorfixture.h"

#include "model/profileroles.h"
#include "model/timevalues.h"
#include "resources/formcontrolids.h"
#include "support/projecttest.h"
#include "support/scriptedmessageboxresponder.h"

#include <QRandomGenerator>
#include <QTest>
#include <QTreeView>

#include <algorithm>
#include <cmath>
#include <map>
#include <set>

using namespace FormControl;

namespace {

// What a step may change besides the edits it found open.
struct Touch {
    std::set<int> keys; // profiles that may change or go
    bool newProfiles = false;
    bool times = false;
    bool replaced = false; // a reload: everything is the host's definition
};

class RandomEditor : public EditorFixture {
public:
    explicit RandomEditor(QRandomGenerator& random) : m_random(random) { }

    int Pick(int bound) { return bound > 0 ? static_cast<int>(m_random.bounded(bound)) : 0; }
    bool Chance(int percent) { return Pick(100) < percent; }
    QString Fresh(const char* prefix) { return prefix + QString::number(m_made++); }

    PlotDefinition RandomDefinition()
    {
        PlotDefinition definition;
        definition.timeMode = 1;
        if (Chance(50)) {
            definition.xAxisName = Fresh("x").toLocal8Bit().constData();
            definition.xAxisVariables = Strings({"z(*)"});
        }
        for (int i = Pick(3); i > 0; --i)
            AddPlotted(definition, Fresh("P").toLocal8Bit().constData(), 1 + Pick(2), RandomVariables());
        for (int i = 1 + Pick(4); i > 0; --i)
            AddUnassigned(definition, Fresh("u").toLocal8Bit().constData(), 1 + Pick(2), RandomVariables());
        int time = 0;
        QStringList times;
        for (int i = Pick(5); i > 0; --i)
            times << QString::number(time += 1 + Pick(5));
        definition.timeEntries = Strings(times);
        return definition;
    }
    QStringList RandomVariables()
    {
        QStringList variables;
        for (int i = Pick(4); i > 0; --i)
            variables << Fresh("v") + "(1)";
        return variables;
    }

    // A click (`twice`: and a double-click) on a profile row.
    void ClickRow(int row, Qt::KeyboardModifiers modifiers, bool twice = false) const
    {
        auto* tree = qobject_cast<QTreeView*>(Widget(ProfilesList));
        const QModelIndex index = tree->model()->index(row, 0);
        tree->scrollTo(index);
        const QPoint at = tree->visualRect(index).center();
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, modifiers, at);
        if (twice)
            QTest::mouseDClick(tree->viewport(), Qt::LeftButton, {}, at);
    }
    std::set<int> SelectedKeys() const
    {
        std::set<int> keys;
        const CListCtrl& list = ListControl(ProfilesList);
        for (int row = list.GetNextItem(-1, LVNI_SELECTED); row != -1; row = list.GetNextItem(row, LVNI_SELECTED))
            keys.insert(static_cast<int>(list.GetItemData(row)));
        return keys;
    }
    // Each listed profile as "name|dimension|variables|role", by key.
    std::map<int, QString> Snapshot() const
    {
        std::map<int, QString> states;
        const CListCtrl& list = ListControl(ProfilesList);
        for (int row = 0; row < list.GetItemCount(); ++row) {
            const int key = static_cast<int>(list.GetItemData(row));
            if (const CSUPEProfile* profile = view()->ProfilesPart().Profiles().Find(key))
                states[key] = QStringLiteral("%1|%2|%3|%4")
                                  .arg(profile->name.ToQString())
                                  .arg(profile->dimension)
                                  .arg(Texts(profile->variables).join(';'))
                                  .arg(profile->role);
        }
        return states;
    }
    // The shown times in seconds.
    std::vector<double> Seconds() const
    {
        std::vector<double> seconds;
        for (const QString& row : TimeRows())
            seconds.push_back(TimeTextValue(row.toLocal8Bit().constData()) / view()->TimePart().TimeFactor());
        return seconds;
    }
    // The page that shows a control, before a person can reach it.
    void ShowPage(int page)
    {
        if (view()->CurrentPage() != page)
            ClickTab(page);
    }
    void Reload()
    {
        hostDefinition = RandomDefinition();
        plotData()->setDefinition(hostDefinition);
        frame()->SendMessage(WM_PE_RELOAD_DEFINITION);
    }
    PlotDefinition hostDefinition; // as last loaded

private:
    QRandomGenerator& m_random;
    int m_made = 0;
};

// A check that names the sequence and its operations when it fails.
#define CHECK(condition) QVERIFY2(condition, qPrintable(where))

const QStringList AllowedBoxes {"Value is not a real value.", "Times cannot be less than zero."};

} // namespace

class EditorRandomTest : public QObject {
    Q_OBJECT
private slots:
    void listsStayEqualToTheProfilesUnderRandomEvents()
    {
        QRandomGenerator random(20261207);
        constexpr int Sequences = 300;
        constexpr int Steps = 24;
        int reloads = 0;
        int questions = 0;
        for (int sequence = 0; sequence < Sequences; ++sequence) {
            ScriptedMessageBoxResponder boxes;
            RandomEditor editor(random);
            editor.hostDefinition = editor.RandomDefinition();
            QVERIFY(editor.Open(editor.hostDefinition, Access::Host));
            QString history;
            for (int step = 0; step < Steps; ++step) {
                const std::map<int, QString> before = editor.Snapshot();
                const std::vector<double> secondsBefore = editor.Seconds();
                Touch touch;
                // Edits open from earlier steps end with this one, changing what they edit.
                if (editor.ListControl(ProfilesList).GetEditControl())
                    touch.keys = editor.SelectedKeys();
                if (editor.OpenEditor(VariablesList) && editor.view()->ProfilesPart().CurrentProfile())
                    touch.keys.insert(editor.view()->ProfilesPart().CurrentProfile()->key);
                const bool timeEditOpen = editor.OpenEditor(TimesList) != nullptr;
                const std::set<int> openEdits = touch.keys;
                QString what;
                const size_t boxesBefore = boxes.boxes().size();
                Step(editor, boxes, touch, what);
                touch.keys.insert(openEdits.begin(), openEdits.end());
                touch.times = touch.times || timeEditOpen;
                QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
                history += ' ' + what;
                const QString where = QStringLiteral("sequence %1, operations%2").arg(sequence).arg(history);
                for (size_t i = boxesBefore; i < boxes.boxes().size(); ++i) {
                    const QString text = boxes.boxes()[i].text.ToQString();
                    if (text.startsWith("The profile "))
                        ++questions;
                    else
                        QVERIFY2(AllowedBoxes.contains(text), qPrintable(text + " in " + where));
                }
                CheckLists(editor, where);
                if (QTest::currentTestFailed())
                    return;
                if (touch.replaced) {
                    ++reloads;
                    // The definition's profiles in the order the editor lists them.
                    const PlotDefinition& loaded = editor.hostDefinition;
                    QStringList names;
                    for (const auto& [key, state] : editor.Snapshot())
                        names << state.section('|', 0, 0);
                    QStringList expected = Texts(loaded.plottedNames) + Texts(loaded.unassignedNames);
                    if (!loaded.xAxisName.IsEmpty())
                        expected.prepend(loaded.xAxisName.ToQString());
                    CHECK(names == expected);
                    CHECK(editor.TimeRows().size() == loaded.timeEntries.GetSize());
                    continue;
                }
                const std::map<int, QString> after = editor.Snapshot();
                for (const auto& [key, state] : before) {
                    if (touch.keys.count(key))
                        continue;
                    const auto kept = after.find(key);
                    CHECK(kept != after.end() && kept->second == state);
                }
                for (const auto& [key, state] : after)
                    CHECK(before.count(key) || touch.newProfiles);
                if (!touch.times) {
                    const std::vector<double> seconds = editor.Seconds();
                    CHECK(seconds.size() == secondsBefore.size());
                    for (size_t i = 0; i < seconds.size(); ++i)
                        CHECK(std::abs(seconds[i] - secondsBefore[i]) <= 1e-4 * std::max(1.0, secondsBefore[i]));
                }
            }
        }
        // The sequences reach what they are meant to reach.
        QVERIFY(reloads > Sequences / 2);
        QVERIFY(questions > 10);
    }

private:
    // One random step; what it may change goes to `touch`, its name to `what`.
    void Step(RandomEditor& editor, ScriptedMessageBoxResponder& boxes, Touch& touch, QString& what);
    void CheckLists(RandomEditor& editor, const QString& where);
};

void EditorRandomTest::Step(RandomEditor& editor, ScriptedMessageBoxResponder& boxes, Touch& touch, QString& what)
{
    CSUProfileEditorView* view = editor.view();
    CListCtrl& profiles = editor.ListControl(ProfilesList);
    CListBoxEx& variables = editor.EditableList(VariablesList);
    CListCtrl& times = editor.ListControl(TimesList);
    const std::set<int> selected = editor.SelectedKeys();
    const int current = view->ProfilesPart().CurrentProfile() ? view->ProfilesPart().CurrentProfile()->key : -1;
    const auto typeInto = [](QLineEdit* edit, const QString& text) {
        if (edit)
            TypeInto(edit, text);
    };
    const int operation = editor.Pick(13);
    what = QString::number(operation);
    switch (operation) {
    case 0: {
        // Rename, left open.
        if (profiles.GetItemCount() == 0)
            return;
        profiles.EditLabel(editor.Pick(profiles.GetItemCount()));
        typeInto(editor.OpenEditor(ProfilesList), editor.Chance(10) ? QString() : editor.Fresh("n"));
        break;
    }
    case 1: {
        // A variable edited or appended, left open.
        if (current == -1)
            return;
        variables.BeginEdit(editor.Pick(variables.GetCount() + 1));
        touch.keys.insert(current);
        typeInto(editor.OpenEditor(VariablesList), editor.Chance(15) ? QString() : editor.Fresh("w") + "(2)");
        break;
    }
    case 2: {
        // A time edited, left open; now and then text that is no time.
        editor.ShowPage(1);
        if (times.GetItemCount() == 0)
            return;
        times.EditLabel(editor.Pick(times.GetItemCount()));
        touch.times = true;
        const int kind = editor.Pick(10);
        typeInto(editor.OpenEditor(TimesList),
            kind == 0 ? QStringLiteral("abc") : (kind == 1 ? QStringLiteral("-1") : QString::number(editor.Pick(40))));
        break;
    }
    case 3:
    case 4: {
        // A strip button, clicked or pressed by an assistive tool.
        struct Strip {
            UINT id;
            int buttons;
            int page;
        };
        const Strip strips[] = {{ProfilesStrip, 3, -1}, {VariablesStrip, 4, -1}, {TimesStrip, 2, 1}, {PlotStrip, 3, 0}};
        const Strip strip = strips[editor.Pick(4)];
        const int button = editor.Pick(strip.buttons);
        const bool click = editor.Chance(50);
        if (strip.page >= 0)
            editor.ShowPage(strip.page);
        boxes.Answer(editor.Chance(50) ? IDYES : IDNO);
        if (strip.id == ProfilesStrip) {
            touch.newProfiles = button == 0;
            touch.keys = selected;
        } else if (strip.id == VariablesStrip) {
            touch.keys.insert(current);
        } else if (strip.id == TimesStrip) {
            touch.times = true;
        } else {
            view->ProfilesPart().Profiles().ForEach([&touch](const CSUPEProfile* profile) {
                if (profile->role & static_cast<int>(ProfileRole::Plotted))
                    touch.keys.insert(profile->key);
            });
        }
        if (click)
            editor.ClickStripButton(strip.id, button, strip.buttons);
        else
            editor.PressStripButton(strip.id, button);
        break;
    }
    case 5:
    case 6: {
        // A key in a list, with or without the focus moving there first.
        const UINT lists[] = {ProfilesList, VariablesList, TimesList};
        const UINT list = lists[editor.Pick(3)];
        struct Key {
            Qt::Key key;
            Qt::KeyboardModifiers modifiers;
        };
        const Key keys[] = {{Qt::Key_Insert, {}}, {Qt::Key_Delete, {}}, {Qt::Key_F2, {}}, {Qt::Key_Up, Qt::AltModifier},
            {Qt::Key_Down, Qt::AltModifier}, {Qt::Key_D, Qt::ControlModifier}};
        const Key key = keys[editor.Pick(6)];
        const bool focusFirst = editor.Chance(50);
        if (list == TimesList)
            editor.ShowPage(1);
        boxes.Answer(editor.Chance(50) ? IDYES : IDNO);
        touch.newProfiles = list == ProfilesList;
        touch.keys = list == ProfilesList ? selected : std::set<int> {current};
        touch.times = list == TimesList;
        QWidget* widget = editor.Widget(list);
        if (focusFirst)
            widget->setFocus();
        QTest::keyClick(widget, key.key, key.modifiers);
        break;
    }
    case 7: {
        // A click on a profile row, Ctrl adding to the selection.
        if (profiles.GetItemCount() == 0)
            return;
        const int row = editor.Pick(profiles.GetItemCount());
        const bool control = editor.Chance(30);
        editor.ClickRow(row, control ? Qt::ControlModifier : Qt::KeyboardModifiers());
        break;
    }
    case 8: {
        const char* units[] = {"s", "min", "h"};
        const double factors[] = {1.0, 1.0 / 60, 1.0 / 3600};
        const int unit = editor.Pick(3);
        editor.document()->SetDisplayUnit(units[unit], factors[unit]);
        break;
    }
    case 9:
        touch.replaced = true;
        editor.Reload();
        break;
    case 10: {
        touch.newProfiles = true;
        CSUPEProfile sent(editor.Fresh("r").toLocal8Bit().constData());
        sent.variables = Strings({"T(*)"});
        sent.plotRequested = 1;
        editor.frame()->SendMessage(WM_PE_RECEIVE_PROFILE, 0, reinterpret_cast<LPARAM>(&sent));
        break;
    }
    case 11: {
        // Delete with the host reloading while the question is open.
        boxes.Answer(editor.Chance(50) ? IDYES : IDNO);
        boxes.DuringNextBox([&editor, &touch] {
            touch.replaced = true;
            editor.Reload();
        });
        touch.keys = selected;
        editor.Widget(ProfilesList)->setFocus();
        QTest::keyClick(editor.Widget(ProfilesList), Qt::Key_Delete);
        boxes.DuringNextBox(nullptr);
        break;
    }
    default: {
        // F2 with an edit open elsewhere: the label edit of the selected row.
        if (profiles.GetItemCount() == 0)
            return;
        editor.ClickRow(editor.Pick(profiles.GetItemCount()), {}, true);
        break;
    }
    }
}

void EditorRandomTest::CheckLists(RandomEditor& editor, const QString& where)
{
    CSUProfileEditorView* view = editor.view();
    const ProfileSet& set = view->ProfilesPart().Profiles();
    CListCtrl& profiles = editor.ListControl(ProfilesList);
    CHECK(profiles.GetItemCount() == set.GetCount());
    std::set<int> keys;
    int selectedRows = 0;
    const CSUPEProfile* selectedProfile = nullptr;
    for (int row = 0; row < profiles.GetItemCount(); ++row) {
        const int key = static_cast<int>(profiles.GetItemData(row));
        const CSUPEProfile* profile = set.Find(key);
        CHECK(profile && keys.insert(key).second);
        CHECK(profiles.GetItemText(row, 0) == profile->name);
        CHECK(profiles.GetItemText(row, 1) == DimensionText(profile->dimension));
        if (profiles.GetItemState(row, LVIS_SELECTED)) {
            ++selectedRows;
            selectedProfile = profile;
        }
    }
    // The variables list is the current profile's, which is the one selected row's.
    const CSUPEProfile* current = view->ProfilesPart().CurrentProfile();
    CHECK(current == (selectedRows == 1 ? selectedProfile : nullptr));
    CHECK(editor.VariableEntries() == (current ? Texts(current->variables) : QStringList()));
    // No edit stays open over a row that is gone.
    const CListBoxEx& variablesList = editor.EditableList(VariablesList);
    const int editing = variablesList.GetEditingIndex();
    CHECK(editing == -1 || editing < variablesList.GetCount());
    CHECK((editing != -1) == (editor.OpenEditor(VariablesList) != nullptr));
    // The plot list and the axis fields show the profiles of those roles.
    const CListBoxEx& plot = editor.EditableList(PlotList);
    const QStringList entries = editor.PlotEntries();
    const auto plotted = std::count_if(
        keys.begin(), keys.end(), [&set](int key) { return ShownRole(set.Find(key)->role) == ProfileRole::Plotted; });
    CHECK(plot.GetCount() == plotted);
    for (int i = 0; i < plot.GetCount(); ++i) {
        const CSUPEProfile* profile = set.Find(static_cast<int>(plot.GetItemData(i)));
        CHECK(profile && ShownRole(profile->role) == ProfileRole::Plotted);
        CHECK(entries[i] == profile->name.ToQString());
    }
    const CSUPEProfile* xAxis = set.Find(view->AssignmentPart().XAxisKey());
    CHECK(editor.Text(XAxisField) == (xAxis ? xAxis->name.ToQString() : QString()));
    // The times ascend without duplicates; a row being edited (a new one
    // waits at the end) takes its place when the edit ends.
    std::vector<double> seconds = editor.Seconds();
    if (editor.OpenEditor(TimesList)) {
        const int edited = editor.ListControl(TimesList).GetNextItem(-1, LVNI_SELECTED);
        CHECK(edited >= 0);
        seconds.erase(seconds.begin() + edited);
    }
    for (size_t i = 1; i < seconds.size(); ++i)
        CHECK(seconds[i - 1] < seconds[i]);
}

PE_TEST_MAIN(EditorRandomTest)
#include "tst_editorrandom.moc"
