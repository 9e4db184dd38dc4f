#include "resources/bitmaps.h"

#include "platform/core/resources.h"

// The images are XPM arrays, written by bitmaps/make_bitmaps.py.
#include "resources/bitmaps/bitmap133.xpm"
#include "resources/bitmaps/bitmap134.xpm"
#include "resources/bitmaps/bitmap135.xpm"
#include "resources/bitmaps/bitmap136.xpm"
#include "resources/bitmaps/bitmap147.xpm"

void AddStripBitmaps(ResourceModule& module)
{
    module.AddBitmap(IDB_VARIABLES_STRIP, bitmap133_xpm);
    module.AddBitmap(IDB_TIMES_STRIP, bitmap134_xpm);
    module.AddBitmap(IDB_PLOT_STRIP, bitmap135_xpm);
    module.AddBitmap(IDB_CLEAR, bitmap136_xpm);
    module.AddBitmap(IDB_PROFILES_STRIP, bitmap147_xpm);
}
