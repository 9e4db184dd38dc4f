#pragma once

// Asks for a new profile plot: its name, the block that owns it and the
// access its editor gets ("host" or "direct").

#include "workbench/model/workbenchmodel.h"

#include <QDialog>

class QComboBox;
class QLineEdit;

class NewPlotDialog final : public QDialog {
    Q_OBJECT

public:
    // The owners offered are the blocks of `blocks`, `owner` chosen first.
    NewPlotDialog(const HostModel& blocks, const QString& owner, QWidget* parent = nullptr);

    // A plot with an empty definition, named as the fields say; its context
    // is the owner's path and the name's letters and digits.
    ModelPlot Plot() const;

private:
    QLineEdit* m_name;
    QComboBox* m_owner;
    QComboBox* m_access;
};
