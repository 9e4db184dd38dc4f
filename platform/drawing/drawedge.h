#pragma once

// Three-dimensional edges drawn with the system colours, as the classic
// DrawEdge draws them: each edge is one pixel wide, the top and left sides in
// one colour and the bottom and right sides, drawn after them, in the other.

#include "platform/core/types.h"

class QPainter;

// Edge kinds. An outer edge lies on the rectangle's border, an inner edge one
// pixel inside it; an inner edge drawn alone lies on the border.
constexpr UINT BDR_RAISEDOUTER = 0x0001;
constexpr UINT BDR_SUNKENOUTER = 0x0002;
constexpr UINT BDR_RAISEDINNER = 0x0004;
constexpr UINT BDR_SUNKENINNER = 0x0008;
constexpr UINT EDGE_RAISED = BDR_RAISEDOUTER | BDR_RAISEDINNER;
constexpr UINT EDGE_SUNKEN = BDR_SUNKENOUTER | BDR_SUNKENINNER;

// Sides to draw.
constexpr UINT BF_LEFT = 0x0001;
constexpr UINT BF_TOP = 0x0002;
constexpr UINT BF_RIGHT = 0x0004;
constexpr UINT BF_BOTTOM = 0x0008;
constexpr UINT BF_RECT = BF_LEFT | BF_TOP | BF_RIGHT | BF_BOTTOM;

// Draws the edge inside `rect` (right and bottom exclusive). False, drawing
// nothing, for an empty rectangle or an edge with no kind bits.
bool DrawEdge(QPainter& painter, const RECT& rect, UINT edge, UINT sides);
