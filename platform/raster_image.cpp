// The raster image's memory and the one-pixel line rule that draws into it.
#include "platform/raster_image.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <new>
#include <utility>

bool CreateRasterImage(RasterImage& image, int width, int height, std::uint32_t colour) {
  ReleaseRasterImage(image);
  if (width <= 0 || height <= 0) return false;
  const std::size_t stride = RasterRowBytes(width);
  if (stride > kMaxImageBytes / static_cast<std::size_t>(height)) return false;
  const std::size_t size = stride * static_cast<std::size_t>(height);
  // No value-initialisation: the fill below is the only pass over the memory.
  std::unique_ptr<std::uint8_t[]> pixels(new (std::nothrow) std::uint8_t[size]);
  if (!pixels) return false;

  const std::uint8_t blue = colour & 0xFF, green = (colour >> 8) & 0xFF,
                     red = (colour >> 16) & 0xFF;
  if (blue == green && green == red) {
    std::memset(pixels.get(), blue, size);
  } else {
    std::uint8_t* row = pixels.get();
    for (int x = 0; x < width; ++x) {
      row[3 * x] = blue;
      row[3 * x + 1] = green;
      row[3 * x + 2] = red;
    }
    std::memset(row + 3 * static_cast<std::size_t>(width), 0,
                stride - 3 * static_cast<std::size_t>(width));
    for (int y = 1; y < height; ++y) std::memcpy(row + y * stride, row, stride);
  }
  image.width = width;
  image.height = height;
  image.stride = stride;
  image.pixels = std::move(pixels);
  return true;
}

void ReleaseRasterImage(RasterImage& image) {
  image.pixels.reset();
  image.width = image.height = 0;
  image.stride = 0;
}

std::uint32_t RasterPixel(const RasterImage& image, int x, int y) {
  const std::uint8_t* p = image.Row(y) + 3 * static_cast<std::size_t>(x);
  return static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[1]) << 8 | p[0];
}

namespace {

// Moves the end (x0, y0) along the line to (x1, y1) until its `along` coordinate is
// `edge`; the other coordinate is computed as a real and truncated toward zero.
void MoveEndOntoEdge(long long& along0, long long& across0, long long along1, long long across1,
                     long long edge) {
  const double t = static_cast<double>(edge - along0) / static_cast<double>(along1 - along0);
  const double across = static_cast<double>(across0) + t * static_cast<double>(across1 - across0);
  across0 = static_cast<long long>(std::trunc(across));
  along0 = edge;
}

// Clips the segment to lo ... hi along one axis; false when nothing of it is left.
bool ClipAxis(long long& a0, long long& b0, long long& a1, long long& b1, long long lo,
              long long hi) {
  if ((a0 < lo && a1 < lo) || (a0 > hi && a1 > hi)) return false;
  if (a0 < lo) MoveEndOntoEdge(a0, b0, a1, b1, lo);
  if (a0 > hi) MoveEndOntoEdge(a0, b0, a1, b1, hi);
  if (a1 < lo) MoveEndOntoEdge(a1, b1, a0, b0, lo);
  if (a1 > hi) MoveEndOntoEdge(a1, b1, a0, b0, hi);
  return true;
}

// Bresenham's steps from (x0, y0) to (x1, y1), both ends included; rows and columns come
// out as their runs too. `plot` gets every pixel.
template <class Plot>
void StepLine(int x0, int y0, int x1, int y1, Plot plot) {
  const int dx = x1 > x0 ? x1 - x0 : x0 - x1, dy = y1 > y0 ? y1 - y0 : y0 - y1;
  const bool yMajor = dy > dx;
  // Start at the end with the smaller major coordinate.
  if (yMajor ? y0 > y1 : x0 > x1) {
    std::swap(x0, x1);
    std::swap(y0, y1);
  }
  const int dMajor = yMajor ? dy : dx, dMinor = yMajor ? dx : dy;
  const int majorX = yMajor ? 0 : 1, majorY = yMajor ? 1 : 0;
  const int minorX = yMajor ? (x1 > x0 ? 1 : -1) : 0, minorY = yMajor ? 0 : (y1 > y0 ? 1 : -1);
  int error = 2 * dMinor - dMajor;
  for (int i = 0;; ++i) {
    plot(x0, y0);
    if (i == dMajor) break;
    if (error >= 0) {
      x0 += minorX;
      y0 += minorY;
      error += 2 * (dMinor - dMajor);
    } else {
      error += 2 * dMinor;
    }
    x0 += majorX;
    y0 += majorY;
  }
}

}  // namespace

void DrawRasterLine(RasterImage& image, int x0, int y0, int x1, int y1, std::uint32_t colour) {
  if (!image.pixels) return;
  // 64-bit ends: the differences of two ints do not fit an int. Rows and columns are
  // clipped the same way: an end moves along its own row or column.
  long long ax = x0, ay = y0, bx = x1, by = y1;
  if (!ClipAxis(ax, ay, bx, by, 0, image.width - 1)) return;
  // An end moved onto a row lies between the two column-clipped ends, so it stays inside.
  if (!ClipAxis(ay, ax, by, bx, 0, image.height - 1)) return;
  const std::uint8_t blue = colour & 0xFF, green = (colour >> 8) & 0xFF, red = colour >> 16;
  StepLine(static_cast<int>(ax), static_cast<int>(ay), static_cast<int>(bx), static_cast<int>(by),
           [&image, blue, green, red](int x, int y) {
             std::uint8_t* p = image.Row(y) + 3 * static_cast<std::size_t>(x);
             p[0] = blue;
             p[1] = green;
             p[2] = red;
           });
}

ShortLinePen::ShortLinePen(RasterImage& image, int reach, std::uint32_t colour)
    : image_(image),
      colour_(colour),
      pixels_(image.pixels.get()),
      stride_(static_cast<std::ptrdiff_t>(image.stride)),
      reach_(static_cast<unsigned>(std::clamp(reach, static_cast<int>(kMinSlots) - 1, kMaxReach))),
      innerWidth_(0),
      innerHeight_(0),
      blue_(colour & 0xFF),
      green_((colour >> 8) & 0xFF),
      red_(colour >> 16) {
  // Lines too long for any table: no line is inside, and nothing is tabled.
  if (reach > kMaxReach) return;
  const int r = static_cast<int>(reach_);
  innerWidth_ = static_cast<unsigned>(std::max(image.width - 2 * r, 0));
  innerHeight_ = static_cast<unsigned>(std::max(image.height - 2 * r, 0));
  for (int down = -r; down <= r; ++down) {
    for (int across = -r; across <= r; ++across) {
      std::int32_t* offsets = offsets_ + ((down + r) * kRow + (across + r)) * kSlots;
      int count = 0;
      StepLine(0, 0, across, down, [&](int x, int y) {
        offsets[count++] = static_cast<std::int32_t>(y * stride_ + 3 * x);
      });
      for (int k = count; k < static_cast<int>(kSlots); ++k) offsets[k] = offsets[count - 1];
    }
  }
}
