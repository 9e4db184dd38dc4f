#pragma once

// What surrounds an editable list in the editor: a view whose current profile is a real one and
// which logs the strip commands it gets, and a shown, active form holding the view and one list
// taken over from its template widget.

#include "controls/listboxexparent.h"
#include "controls/mylistboxex.h"
#include "model/profile.h"
#include "platform/controls/listboxwidget.h"

#include <QApplication>
#include <QStringList>
#include <QTest>
#include <QWidget>

#include <memory>
#include <vector>

class TestView : public CWnd, public IListBoxExParent {
public:
    struct StripCommand {
        int button;
        UINT stripId;
        int plotSelection; // the plot list's selected row when the command came
    };

    CSUPEProfile* CurrentProfile() override { return currentProfile; }
    void OnListStripCommand(int button, UINT stripId) override
    {
        commands.push_back({button, stripId, plotList ? plotList->GetCurSel() : -2});
    }
    CSUPEProfile* currentProfile = nullptr;
    CListBox* plotList = nullptr;
    std::vector<StripCommand> commands;
};

// The list's template styles: owner-drawn, one row selected at a time.
constexpr DWORD TemplateListStyle = WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_BORDER | WS_TABSTOP | LBS_NOTIFY
    | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT;

template <class List = CMyListBoxEx> struct ListForm {
    // Row i of `rows` carries the item data FirstRowData + i.
    static constexpr DWORD_PTR FirstRowData = 11;

    explicit ListForm(ListBoxExRole role, const QStringList& rows = {}, int height = 140) : filledRows(rows)
    {
        form->resize(300, height + 60);
        view.Attach(form.get());
        auto* widget = new ListBoxWidget(TemplateListStyle, 0, form.get());
        CWnd::SetDlgCtrlID(widget, 1004);
        widget->setGeometry(20, 20, 200, height);
        list.SubclassDlgItem(1004, &view);
        list.SetRole(role);
        if (role == ListBoxExRole::ProfileVariables)
            view.currentProfile = &profile;
        if (role == ListBoxExRole::PlotList)
            view.plotList = &list;
        for (int i = 0; i < rows.size(); ++i) {
            // A display fill, as the view makes it, with the profile filled to match.
            const int row = list.AddString(rows[i].toLocal8Bit().constData());
            list.SetItemData(row, FirstRowData + static_cast<DWORD_PTR>(i));
            profile.variables.Add(rows[i].toLocal8Bit().constData());
        }
        form->show();
        QApplication::setActiveWindow(form.get());
    }

    bool Ready() { return QTest::qWaitForWindowActive(form.get()); }
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
    QStringList Variables() const
    {
        QStringList variables;
        for (const CString& variable : profile.variables)
            variables << variable.ToQString();
        return variables;
    }
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
    CSUPEProfile profile {"Profile 1"};
    List list;
};
