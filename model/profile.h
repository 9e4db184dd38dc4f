#pragma once

// CSUPEProfile: a named, ordered list of model-variable paths, one- or
// two-dimensional, with the role it plays in the plot. A plain record, shared
// with the host (which sends one to plot), so it is defined in this header alone.

#include "platform/core/collections.h"
#include "platform/core/cstring.h"

#include <cstdint>

class CSUPEProfile : public CObject {
public:
    // The name, no variables, role 0, not asked to plot, one-dimensional, key 0.
    explicit CSUPEProfile(const CString& profileName) : name(profileName) { }
    // Copies everything but the key: the copy gets its own key when it joins a
    // profile set, and until then has key 0.
    CSUPEProfile(const CSUPEProfile& other)
        : CObject(other), name(other.name), variables(other.variables), role(other.role),
          plotRequested(other.plotRequested), dimension(other.dimension)
    {
    }
    CSUPEProfile& operator=(const CSUPEProfile&) = delete;
    ~CSUPEProfile() override = default;

    CString name;
    // Variable paths in the host's path syntax, in order.
    CStringArray variables;
    // ProfileRole bits: 0 unassigned, 1 x axis, 2 y axis, 4 plotted.
    int16_t role = 0;
    // The key in the profile set (a 16-bit value); 0 until the profile joins one.
    int32_t key = 0;
    // Nonzero asks an editor that receives the profile to plot a copy of it.
    int32_t plotRequested = 0;
    // 1 or 2.
    int32_t dimension = 1;
};
