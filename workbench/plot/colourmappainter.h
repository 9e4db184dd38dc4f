#pragma once

// Draws the colour maps of a 3-d plot with QPainter alone (no OpenGL, so it
// works headless): the maps side by side, each with its title and axes, and
// each with a colour bar of its own that spans its values.

#include "workbench/plot/axisscale.h"
#include "workbench/plot/colourscale.h"
#include "workbench/plot/plotdata.h"

#include <QImage>
#include <QRect>

class QPainter;

// The map's values as colours over `range`, `size` pixels, the first row at
// the bottom; values beyond the range take the end colours.
// A column (row) covers the values from halfway to its neighbours when the
// x (y) values rise or fall throughout, else an equal share.
QImage ColourMapImage(const PlotMap& map, QSize size, const AxisRange& range, const ColourScale& scale);

// Every map of `data` with axes and the colour bar, into `area`.
void PaintColourMaps(QPainter& painter, const QRect& area, const PlotData& data, const ColourScale& scale);
