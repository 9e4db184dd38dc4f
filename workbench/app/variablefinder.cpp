#include "workbench/app/variablefinder.h"

#include "workbench/app/variablefindermodel.h"

#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QVBoxLayout>

VariableFinder::VariableFinder(QWidget* parent)
    : QWidget(parent), m_filter(new QLineEdit(this)), m_list(new QListView(this)),
      m_model(new VariableFinderModel(this))
{
    setObjectName(QStringLiteral("variableFinder"));
    m_filter->setObjectName(QStringLiteral("variableFinderFilter"));
    m_filter->setPlaceholderText(QStringLiteral("Filter variables"));
    m_filter->setClearButtonEnabled(true);
    m_list->setObjectName(QStringLiteral("variableFinderList"));
    m_list->setModel(m_model);
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list->setDragEnabled(true);
    m_list->setDragDropMode(QAbstractItemView::DragOnly);
    m_list->setDefaultDropAction(Qt::CopyAction);
    m_list->setUniformItemSizes(true);

    auto* label = new QLabel(QStringLiteral("&Find:"), this);
    label->setBuddy(m_filter);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(label);
    layout->addWidget(m_filter);
    layout->addWidget(m_list);

    connect(m_filter, &QLineEdit::textChanged, m_model, &VariableFinderModel::SetFilter);
}

void VariableFinder::SetModel(const WorkbenchModel& model)
{
    m_model->SetBlocks(model.blocks);
}

void VariableFinder::SetFilter(const QString& text)
{
    // Setting a new text filters through textChanged; the same text filters
    // again, as the model may have changed.
    if (m_filter->text() == text)
        m_model->SetFilter(text);
    else
        m_filter->setText(text);
    m_filter->setFocus();
}

QString VariableFinder::filter() const
{
    return m_filter->text();
}

QStringList VariableFinder::VisiblePaths() const
{
    QStringList paths;
    for (int row = 0; row < m_model->rowCount(); ++row)
        paths << m_model->PathAt(row);
    return paths;
}
