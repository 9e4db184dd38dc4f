#include "workbench/app/savefiledialog.h"

#include <QFileDialog>

QString ChooseSaveFile(QWidget* parent, const QString& title, const QString& suggested, const QString& filter)
{
    QFileDialog dialog(parent, title, QString(), filter);
    dialog.setObjectName(QStringLiteral("saveFileDialog"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.selectFile(suggested);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().first();
}
