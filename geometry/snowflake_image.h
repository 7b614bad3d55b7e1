// The snowflake image: where the triangle goes in the window, and the image drawn from it.
#pragma once

#include "geometry/outline.h"
#include "platform/raster_image.h"

// The smaller of a and b; b when they are equal.
double MinReal(double a, double b);

// The nearest integer, a half going to the even neighbour. |value| must be below 2^31.
int RoundHalfEven(double value);

// The display scale for a resolution in dots per inch: dpi / 96 as a 32-bit real, as
// the program stores it; 1 where the resolution is not positive.
float ScaleFromDpi(int dotsPerInch);

// The program's smallest client area at a scale: 300 × 180 units.
int SmallestClientWidth(float scaleX);
int SmallestClientHeight(float scaleY);

// Where the snowflake goes for a client area of the given size at the given scale.
struct SnowflakePlacement {
  double m;     // the room for the image, before rounding
  int n;        // the image side
  double s;     // the triangle's side, before rounding
  int side;     // the triangle's side
  int originX;  // the triangle's bottom-left corner
  int originY;
};

// The image side follows the tighter of the two dimensions, after a margin of 10 units
// around the image and a band of 80 units below it; the vertical margin follows the
// horizontal scale, as the window's layout does.
SnowflakePlacement PlaceSnowflake(int clientWidth, int clientHeight, float scaleX, float scaleY);

// Creates the imageSide × imageSide white image and draws the three sides of the
// triangle with bottom-left corner (originX, originY) as Koch curves of |depth| steps,
// bumps outward for depth >= 0 and inward below 0. `outline` is emptied and refilled.
// Answers false, with `image` empty, when the image memory cannot be had.
bool CreateSnowflakeImage(RasterImage& image, OutlineList& outline, int originX, int originY,
                          int side, int depth, int imageSide);
