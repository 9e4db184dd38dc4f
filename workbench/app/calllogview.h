#pragma once

// The call log dock's view: every line the host's call log writes, as compact
// JSON, newest last. Old lines go once the view holds MaxLines.

#include <QJsonObject>
#include <QPlainTextEdit>

class CallLogView final : public QPlainTextEdit {
    Q_OBJECT

public:
    static constexpr int MaxLines = 20000;

    explicit CallLogView(QWidget* parent = nullptr);

    void AppendLine(const QJsonObject& line);
    QStringList Lines() const;
};
