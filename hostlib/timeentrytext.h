#pragma once

// Time entries are kept, and written to the model file, with "." as the decimal
// separator, so that a model saved under one numeric locale loads with the same
// times under any other. The plot-definition object gives and takes them in the
// user's numeric conventions, as a host formats its numbers for the user.

#include "platform/core/collections.h"

#include <cstdint>

// The entries with "." and the user's decimal separator swapped: from the
// kept form to the user's and back. Swapping both ways makes the round trip
// exact, so the object still gives back exactly what was written to it.
CStringArray TimeEntriesInUserConventions(const CStringArray& kept);
CStringArray TimeEntriesFromUserConventions(const CStringArray& user);

// The time mode that entries written by an editor stand for: one "L" is
// continuous update, a start ending in "*" followed by an interval is start
// and interval, anything else is a list of times. Editors send no mode of
// their own, so the host reads it off the entries' form.
int32_t TimeModeOfEntries(const CStringArray& entries);
