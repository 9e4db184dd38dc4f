#pragma once

// The module's entry, called by the host after loading it.

#include "host/entry/generalutil.h"
#include "host/interfaces/editorcontract.h"

// Registers the Profile Editor document type with the host application;
// returns 1 whatever the argument.
extern "C" PE_EXPORT int KDInitDll(uint32_t reserved);
