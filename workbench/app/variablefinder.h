#pragma once

// The host's variable finder: every variable of the model in a list that a
// filter text narrows. The editor's "Find Variables" request shows it with
// the form's owner prefix as the filter. Variables are dragged from it like
// from the model browser. The list is a view over the host model
// (VariableFinderModel).

#include "workbench/model/workbenchmodel.h"

#include <QWidget>

class QLineEdit;
class QListView;
class VariableFinderModel;

class VariableFinder final : public QWidget {
    Q_OBJECT

public:
    explicit VariableFinder(QWidget* parent = nullptr);

    void SetModel(const WorkbenchModel& model);
    // Sets the filter text and puts the focus on it.
    void SetFilter(const QString& text);
    QString filter() const;
    // The full paths the filter lets through, in model order.
    QStringList VisiblePaths() const;
    VariableFinderModel* finderModel() const { return m_model; }

private:
    QLineEdit* m_filter;
    QListView* m_list;
    VariableFinderModel* m_model;
};
