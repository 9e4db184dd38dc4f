#pragma once

// The Qt widget of a tab control: a row of tabs over a framed page area, in
// which the dialog's own controls lie. A change of tab by the user reaches the
// parent window as TCN_SELCHANGE; changes made by the program are not told.
// Dialog templates make their tab controls with it.

#include <QByteArray>
#include <QWidget>

class QTabBar;

class TabCtrlWidget : public QWidget {
    Q_OBJECT
public:
    explicit TabCtrlWidget(QWidget* parent = nullptr);

    QTabBar* tabBar() const { return m_tabs; }
    int InsertTab(int index, const QByteArray& text);
    void RemoveTab(int index);
    QByteArray TabText(int index) const;
    // Selects a tab without telling the parent.
    void SetCurrent(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void LayOut();

    QTabBar* m_tabs;
    bool m_programChange = false;
};
