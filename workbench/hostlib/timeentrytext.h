#pragma once

// Time entries are kept, and written to the model file, with "." as the decimal
// separator, so that a model saved under one numeric locale loads with the same
// times under any other. The plot-definition object gives and takes them in the
// user's numeric conventions, as a host formats its numbers for the user.

#include "platform/core/collections.h"

// The entries with "." and the user's decimal separator swapped: from the
// kept form to the user's and back. Swapping both ways makes the round trip
// exact, so the object still gives back exactly what was written to it.
CStringArray TimeEntriesInUserConventions(const CStringArray& kept);
CStringArray TimeEntriesFromUserConventions(const CStringArray& user);
