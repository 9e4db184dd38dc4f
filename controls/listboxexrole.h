#pragma once

#include <cstdint>

// What the rows of an editable list stand for, and so what each change to them
// must also change in the view.
enum class ListBoxExRole : int32_t {
    Plain = 0, // the rows themselves
    ProfileVariables = 1, // the variables of the view's current profile, mirrored at every change
    PlotList = 2, // the profiles to plot; removing an entry takes the plotted role away
};
