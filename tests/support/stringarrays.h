#pragma once

// Conversions between the host's string arrays and Qt's string lists, in the
// process's locale encoding, for building and reading definitions in tests.

#include "platform/core/collections.h"

#include <QStringList>

CStringArray Strings(const QStringList& texts);
QStringList Texts(const CStringArray& strings);
