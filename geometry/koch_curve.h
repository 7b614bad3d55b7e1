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
