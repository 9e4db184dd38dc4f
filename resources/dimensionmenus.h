#pragma once

// The profiles list's context menus: one command that marks a profile as
// one- or two-dimensional, with the command's prompt string.

#include "platform/core/resources.h"

// Offered for a two-dimensional profile.
constexpr UINT IDR_DIMENSION_TO_1D = 142;
// Offered for a one-dimensional profile.
constexpr UINT IDR_DIMENSION_TO_2D = 13303;
constexpr UINT ID_MARK_PROFILE_2D = 32781;
constexpr UINT ID_MARK_PROFILE_1D = 32783;

void AddDimensionMenus(ResourceModule& module);
