#pragma once

// Asks for the profile the host sends to the active editor: a name, the
// variable paths (one per line) and the dimension.

#include "workbench/app/profilesender.h"

#include <QDialog>

class QComboBox;
class QLineEdit;
class QPlainTextEdit;

class SendProfileDialog final : public QDialog {
    Q_OBJECT

public:
    SendProfileDialog(const ProfileToSend& initial, const QString& editorCaption, QWidget* parent = nullptr);

    // What the fields hold: blank lines and surrounding blanks left out.
    ProfileToSend Profile() const;

private:
    QLineEdit* m_name;
    QPlainTextEdit* m_variables;
    QComboBox* m_dimension;
};
