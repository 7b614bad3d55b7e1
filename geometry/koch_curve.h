// The Koch curve: one side of the triangle, drawn into the image and recorded in the outline.
#pragma once

#include "geometry/outline.h"
#include "platform/raster_image.h"

// Replaces the segment from (x, y) in direction `angle` (radians, counterclockwise on
// screen) of `length` pixels by a Koch curve of `depth` steps; a depth of 0 or less is
// the straight segment. Every piece is drawn as a black line between its truncated end
// pixels, and its unrounded start point is appended to `outline`.
void DrawKochCurve(RasterImage& image, OutlineList& outline, double x, double y, double angle,
                   double length, int depth);

// The same, drawn with a black pen that several curves on one image may share. It is
// fastest with the reach KochPieceReach gives for the curve.
void DrawKochCurve(ShortLinePen& pen, OutlineList& outline, double x, double y, double angle,
                   double length, int depth);

// The reach of a pen that draws every piece of such a curve from its table; beyond
// ShortLinePen::kMaxReach when the pieces are too long for one.
int KochPieceReach(double length, int depth);
