#include "workbench/app/newplotdialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>

NewPlotDialog::NewPlotDialog(const HostModel& blocks, const QString& owner, QWidget* parent)
    : QDialog(parent), m_name(new QLineEdit(this)), m_owner(new QComboBox(this)), m_access(new QComboBox(this))
{
    setWindowTitle(QStringLiteral("New Profile Plot"));
    setObjectName(QStringLiteral("newPlotDialog"));
    m_name->setObjectName(QStringLiteral("plotName"));
    m_owner->setObjectName(QStringLiteral("plotOwner"));
    for (const HostModel::Block& block : blocks.blocks())
        m_owner->addItem(block.path.ToQString());
    m_owner->setCurrentIndex(std::max(0, m_owner->findText(owner)));
    m_access->setObjectName(QStringLiteral("plotAccess"));
    m_access->addItem(QStringLiteral("host (IProfilePlotHost)"), QStringLiteral("host"));
    m_access->addItem(QStringLiteral("direct (IProfilePlotData)"), QStringLiteral("direct"));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QFormLayout(this);
    layout->addRow(QStringLiteral("&Name:"), m_name);
    layout->addRow(QStringLiteral("&Owner block:"), m_owner);
    layout->addRow(QStringLiteral("&Access:"), m_access);
    layout->addRow(buttons);
}

ModelPlot NewPlotDialog::Plot() const
{
    ModelPlot plot;
    const QString name = m_name->text().trimmed();
    plot.name = CString::FromQString(name);
    plot.owner = CString::FromQString(m_owner->currentText());
    QString context;
    for (const QChar c : name) {
        if (c.isLetterOrNumber())
            context += c;
    }
    plot.contextName = CString::FromQString(
        m_owner->currentText() + QLatin1Char('.') + (context.isEmpty() ? QStringLiteral("Plot") : context));
    plot.access = m_access->currentData().toString() == QLatin1String("host") ? PlotAccess::Host : PlotAccess::Direct;
    return plot;
}
