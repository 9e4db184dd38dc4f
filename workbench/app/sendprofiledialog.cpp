#include "workbench/app/sendprofiledialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

SendProfileDialog::SendProfileDialog(const ProfileToSend& initial, const QString& editorCaption, QWidget* parent)
    : QDialog(parent), m_name(new QLineEdit(this)), m_variables(new QPlainTextEdit(this)),
      m_dimension(new QComboBox(this))
{
    setWindowTitle(QStringLiteral("Send Profile to Editor"));
    m_name->setObjectName(QStringLiteral("profileName"));
    m_name->setText(initial.name.ToQString());
    m_variables->setObjectName(QStringLiteral("profileVariables"));
    QStringList lines;
    for (const CString& path : initial.variables)
        lines << path.ToQString();
    m_variables->setPlainText(lines.join(QLatin1Char('\n')));
    m_variables->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_dimension->setObjectName(QStringLiteral("profileDimension"));
    m_dimension->addItem(QStringLiteral("1-D"), 1);
    m_dimension->addItem(QStringLiteral("2-D"), 2);
    m_dimension->setCurrentIndex(initial.dimension == 2 ? 1 : 0);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("&Send"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QFormLayout(this);
    layout->addRow(new QLabel(QStringLiteral("The editor plots a copy of this profile:\n%1").arg(editorCaption), this));
    layout->addRow(QStringLiteral("&Name:"), m_name);
    layout->addRow(QStringLiteral("&Variables (one per line):"), m_variables);
    layout->addRow(QStringLiteral("&Dimension:"), m_dimension);
    layout->addRow(buttons);
    resize(460, 340);
}

ProfileToSend SendProfileDialog::Profile() const
{
    ProfileToSend profile;
    profile.name = CString::FromQString(m_name->text().trimmed());
    const QStringList lines = m_variables->toPlainText().split(QLatin1Char('\n'));
    for (const QString& line : lines) {
        const QString path = line.trimmed();
        if (!path.isEmpty())
            profile.variables.Add(CString::FromQString(path));
    }
    profile.dimension = m_dimension->currentData().toInt();
    return profile;
}
