#pragma once

// The host's narrow text and containers as JSON values, for call records and
// model files. Text converts in the process's locale encoding.

#include "platform/core/collections.h"

#include <QJsonArray>
#include <QJsonValue>

QJsonValue JsonText(const CString& text);
QJsonArray JsonTexts(const CStringArray& texts);
QJsonArray JsonNumbers(const CUIntArray& numbers);
