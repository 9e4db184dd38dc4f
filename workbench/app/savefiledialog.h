#pragma once

// Asks where to write a file (a model, a picture, a table): Qt's own dialog,
// the same on every platform, so that tests can answer it as a person would.

#include <QString>

class QWidget;

// The path chosen, or empty when the dialog was cancelled. The file dialog
// asks before replacing a file.
QString ChooseSaveFile(QWidget* parent, const QString& title, const QString& suggested, const QString& filter);
