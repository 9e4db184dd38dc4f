#pragma once

// What surrounds an editable list in the editor: a view that keeps a copy of the
// rows as the row reports describe them (as the editor's view keeps a profile's
// variables), refusing a report whose row it lacks, and logs the removals; and a
// shown, active form holding the view and one list taken over from its template widget.

#include "controls/listboxexbuddy.h"
#include "controls/listboxexparent.h"
#include "controls/mylistboxex.h"
#include "platform/controls/listboxwidget.h"
#include "platform/core/invalidarg.h"

#include <QApplication>
#include <QStringList>
#include <QTest>
#include <QWidget>

#include <memory>
#include <vector>

// What the test view does with the list's reports: nothing, keep its copy of
// the rows (the variables), or log the removals (the plot list).
enum class ListBoxExRole { Plain, ProfileVariables, PlotList };

class TestView : public CWnd, public IListBoxExParent {
public:
    struct Removal {
        int row;
        int selection; // the list's selected row when the report came
    };

    void OnStripButton(const CListBoxExBuddy&, UINT) override { }
    void OnListRowEvent(const CListBoxEx& list, const ListRowEvent& event) override
    {
        if (role == ListBoxExRole::PlotList && event.kind == ListRowEvent::Kind::Removing)
            removals.push_back({event.row, list.GetCurSel()});
        if (role != ListBoxExRole::ProfileVariables)
            return;
        const QString text = QString::fromLocal8Bit(event.text ? event.text : "");
        switch (event.kind) {
        case ListRowEvent::Kind::Inserting:
            if (event.row < 0)
                variables.append(text);
            else
                variables.insert(Checked(event.row, true), text);
            break;
        case ListRowEvent::Kind::Removing:
            variables.removeAt(Checked(event.row));
            break;
        case ListRowEvent::Kind::Editing:
            variables[Checked(event.row)] = text;
            break;
        case ListRowEvent::Kind::Moving:
            if (event.rows > variables.size())
                AfxThrowInvalidArgException("the list shows more rows than there are variables");
            variables.move(Checked(event.row), Checked(event.toRow));
            break;
        }
    }

    ListBoxExRole role = ListBoxExRole::Plain;
    QStringList variables;
    std::vector<Removal> removals;

private:
    static qsizetype Checked(int row, int count, bool orEnd)
    {
        if (row >= 0 && (row < count || (orEnd && row == count)))
            return row;
        AfxThrowInvalidArgException(QStringLiteral("no variable %1").arg(row).toLocal8Bit().constData());
    }
    qsizetype Checked(int row, bool orEnd = false) const { return Checked(row, int(variables.size()), orEnd); }
};

// The list's template styles: owner-drawn, one row selected at a time.
constexpr DWORD TemplateListStyle = WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_BORDER | WS_TABSTOP | LBS_NOTIFY
    | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT;

template <class List = CMyListBoxEx> struct ListForm {
    // Row i of `rows` carries the item data FirstRowData + i.
    static constexpr DWORD_PTR FirstRowData = 11;

    explicit ListForm(ListBoxExRole role, const QStringList& rows = {}, int height = 140) : filledRows(rows)
    {
        view.variables = rows;
        form->resize(300, height + 60);
        view.Attach(form.get());
        auto* widget = new ListBoxWidget(TemplateListStyle, 0, form.get());
        CWnd::SetDlgCtrlID(widget, 1004);
        widget->setGeometry(20, 20, 200, height);
        list.SubclassDlgItem(1004, &view);
        view.role = role;
        for (int i = 0; i < rows.size(); ++i) {
            // A display fill, as the view makes it, with its copy filled to match.
            const int row = list.AddString(rows[i].toLocal8Bit().constData());
            list.SetItemData(row, FirstRowData + static_cast<DWORD_PTR>(i));
        }
        form->show();
        QApplication::setActiveWindow(form.get());
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
    }

    QWidget* Client() const { return list.clientWidget(); }
    QPoint RowCentre(int row) const
    {
        CRect rect;
        list.GetItemRect(row, &rect);
        return QPoint((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
    }
    QStringList Rows() const
    {
        QStringList rows;
        for (int i = 0; i < list.GetCount(); ++i)
            rows << list.GetText(i).ToQString();
        return rows;
    }
    // Each row named by its item data, as the form was filled (empty for other data): equal to
    // Rows() while every row's data has travelled with it.
    QStringList RowsByData() const
    {
        QStringList rows;
        for (int i = 0; i < list.GetCount(); ++i)
            rows << filledRows.value(static_cast<qsizetype>(list.GetItemData(i) - FirstRowData));
        return rows;
    }
    QStringList Variables() const { return view.variables; }
    void Click(int row) { QTest::mouseClick(Client(), Qt::LeftButton, {}, RowCentre(row)); }
    // Keys go where a person's keys go: to the widget with the focus.
    static void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    }
    static void Type(const char* text) { QTest::keyClicks(QApplication::focusWidget(), QString::fromLatin1(text)); }

    const QStringList filledRows;
    std::unique_ptr<QWidget> form = std::make_unique<QWidget>();
    TestView view;
    List list;
};
