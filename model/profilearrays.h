#pragma once

// Profiles as the host's plot-definition object carries them: parallel arrays
// of names, dimensions and variable counts, with every profile's variables run
// together in one array. The arrays come from outside and may disagree.

#include "model/profile.h"

#include "platform/core/collections.h"

#include <functional>
#include <memory>

struct ProfileArrays {
    CStringArray names;
    CUIntArray dimensions;
    CUIntArray counts;
    CStringArray variables;
};

// Makes one profile per name, in order, with `role`, its dimension, and its
// share of the variables, and hands each to `add` as soon as it is made. Where
// the arrays disagree (a dimension or count missing for a name, a count that
// runs past the variables), raises
// CInvalidArgException naming the profile and what disagreed; the profiles
// before it have been handed over by then. `kind` names the arrays in the
// message ("plotted", "unassigned"). The variables are moved out of `arrays`
// into the profiles: pass the arrays with std::move when they are not needed
// afterwards, so that a large definition is not copied twice.
void SplitProfileArrays(ProfileArrays arrays, int16_t role, const char* kind,
    const std::function<void(std::unique_ptr<CSUPEProfile>)>& add);

// Appends `profile` to the arrays: its name, dimension, variable count and variables.
void AppendToProfileArrays(ProfileArrays& arrays, const CSUPEProfile& profile);
