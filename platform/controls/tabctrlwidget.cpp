#include "platform/controls/tabctrlwidget.h"

#include "platform/controls/notification.h"
#include "platform/controls/tabctrl.h"
#include "platform/windows/dialogtemplate.h"

#include <QStyleOptionTabWidgetFrame>
#include <QStylePainter>
#include <QTabBar>

namespace {

QWidget* CreateTabControl(QWidget* parent, const DialogControlTemplate& /*control*/)
{
    return new TabCtrlWidget(parent);
}

// Dialog templates make their tab controls as tab control widgets.
[[maybe_unused]] const bool g_tabFactoryRegistered = [] {
    RegisterDialogControlFactory(DialogControlKind::TabControl, &CreateTabControl);
    return true;
}();

// Runs a change made by the program without a notification.
class ProgramChange {
public:
    explicit ProgramChange(bool& flag) : m_flag(flag), m_previous(flag) { m_flag = true; }
    ~ProgramChange() { m_flag = m_previous; }
    ProgramChange(const ProgramChange&) = delete;
    ProgramChange& operator=(const ProgramChange&) = delete;

private:
    bool& m_flag;
    bool m_previous;
};

} // namespace

TabCtrlWidget::TabCtrlWidget(QWidget* parent) : QWidget(parent), m_tabs(new QTabBar(this))
{
    m_tabs->setDrawBase(false);
    m_tabs->setExpanding(false);
    m_tabs->setUsesScrollButtons(true);
    connect(m_tabs, &QTabBar::currentChanged, this, [this](int) {
        if (m_programChange)
            return;
        NMHDR header {};
        SendNotifyRecord(this, header, TCN_SELCHANGE);
    });
    LayOut();
}

int TabCtrlWidget::InsertTab(int index, const QByteArray& text)
{
    ProgramChange change(m_programChange);
    const int inserted = m_tabs->insertTab(index, QString::fromLocal8Bit(text));
    m_tabs->setTabData(inserted, text);
    LayOut();
    return inserted;
}

void TabCtrlWidget::RemoveTab(int index)
{
    ProgramChange change(m_programChange);
    m_tabs->removeTab(index);
    LayOut();
}

QByteArray TabCtrlWidget::TabText(int index) const
{
    return m_tabs->tabData(index).toByteArray();
}

void TabCtrlWidget::SetCurrent(int index)
{
    ProgramChange change(m_programChange);
    m_tabs->setCurrentIndex(index);
}

void TabCtrlWidget::LayOut()
{
    m_tabs->setGeometry(0, 0, width(), m_tabs->sizeHint().height());
    update();
}

void TabCtrlWidget::resizeEvent(QResizeEvent* /*event*/)
{
    LayOut();
}

void TabCtrlWidget::paintEvent(QPaintEvent* /*event*/)
{
    // The page area below the tabs, framed as a tab widget's pane.
    QStylePainter painter(this);
    QStyleOptionTabWidgetFrame frame;
    frame.initFrom(this);
    const int top = m_tabs->height();
    frame.rect = QRect(0, top - 1, width(), height() - top + 1);
    frame.tabBarSize = m_tabs->size();
    frame.shape = QTabBar::RoundedNorth;
    painter.drawPrimitive(QStyle::PE_FrameTabWidget, frame);
}
