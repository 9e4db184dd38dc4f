#include "workbench/app/calllogview.h"

#include "hostlib/calllog.h"

#include <QFontDatabase>
#include <QJsonDocument>
#include <QScrollBar>

CallLogView::CallLogView(QWidget* parent) : QPlainTextEdit(parent)
{
    setObjectName(QStringLiteral("callLog"));
    setReadOnly(true);
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setMaximumBlockCount(MaxLines);
    setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    connect(&CallLog::Instance(), &CallLog::lineWritten, this, &CallLogView::AppendLine);
}

void CallLogView::AppendLine(const QJsonObject& line)
{
    // appendPlainText keeps the view at the bottom only when it was there.
    QScrollBar* bar = verticalScrollBar();
    const bool atEnd = bar->value() == bar->maximum();
    appendPlainText(QString::fromUtf8(QJsonDocument(line).toJson(QJsonDocument::Compact)));
    if (atEnd)
        bar->setValue(bar->maximum());
}

QStringList CallLogView::Lines() const
{
    return toPlainText().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}
