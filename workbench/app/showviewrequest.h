#pragma once

// The host's side of the "SHOW_VARNELVIEW" request: what the block a module
// sends to the main window asks for.

#include "host/services/showviewrequest.h"

#include <QString>

#include <optional>

struct ShowViewOrder {
    int64_t viewKind = 0;
    QString ownerPrefix;
};

// What the block at `lParam` asks for; nothing for a null block or one whose
// GUID is not the request type. A null text pointer reads as the empty text.
std::optional<ShowViewOrder> ReadShowViewRequest(LPARAM lParam);
