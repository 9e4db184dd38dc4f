#pragma once

// The editor's images: the four list strip images and the clear buttons' cross.

#include "platform/core/types.h"

class ResourceModule;

constexpr UINT IDB_VARIABLES_STRIP = 133; // add, remove, up, down: 88 x 20
constexpr UINT IDB_TIMES_STRIP = 134; // new, delete: 46 x 20
constexpr UINT IDB_PLOT_STRIP = 135; // remove, up, down: 67 x 20
constexpr UINT IDB_CLEAR = 136; // a dark red cross: 20 x 20
constexpr UINT IDB_PROFILES_STRIP = 147; // new, delete, toggle dimension: 69 x 20

// Adds the five images to `module`.
void AddStripBitmaps(ResourceModule& module);
