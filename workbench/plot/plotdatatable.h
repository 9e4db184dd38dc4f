#pragma once

// What a plot window draws, as delimited text (comma separated, RFC 4180
// quoting, "\r\n" line ends) for spreadsheets and scripts:
// - line charts: a header naming the x axis and each drawn line, then one
//   row per x position with the x value and each line's value there (empty
//   where a line has no point at that x or its value is missing); rows rise
//   in x, and a line with several points at one x gives as many rows;
// - colour maps: a header "map,<x title>,<y title>,<value title>", then one
//   row per cell, map after map, row after row: the map's title, the cell's
//   x and y (a time in the display unit, or the y-axis profile's value) and
//   its value (empty when missing).
// Numbers are written in the shortest form that reads back to the same double.

#include "workbench/plot/plotdata.h"

#include <QByteArray>
#include <QString>

// The table of `data`; false with the reason when the plot draws nothing
// (refused, or no time due yet).
bool PlotDataTable(const PlotData& data, QByteArray& table, QString& reason);
