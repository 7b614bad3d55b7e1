// The raster image: our own pixel memory, 24-bit blue-green-red, and its one-pixel line.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <utility>

// Rows run top-down and each is padded to a multiple of 4 bytes, so a back end can
// show the memory as it lies (a top-down DIB on Windows, a QImage on Qt).
struct RasterImage {
  int width = 0;
  int height = 0;
  std::size_t stride = 0;  // bytes from one row to the next
  std::unique_ptr<std::uint8_t[]> pixels;

  std::uint8_t* Row(int y) { return pixels.get() + static_cast<std::size_t>(y) * stride; }
  const std::uint8_t* Row(int y) const {
    return pixels.get() + static_cast<std::size_t>(y) * stride;
  }
};

// Colours are 0xRRGGBB.
inline constexpr std::uint32_t kWhite = 0xFFFFFF;
inline constexpr std::uint32_t kBlack = 0x000000;

// Pixel memory beyond this many bytes is refused rather than attempted.
inline constexpr std::size_t kMaxImageBytes = std::size_t{1} << 31;

// Bytes of one padded row of a 24-bit image `width` pixels wide.
constexpr std::size_t RasterRowBytes(int width) {
  return (static_cast<std::size_t>(width) * 3 + 3) / 4 * 4;
}

// Creates a width × height image filled with `colour`. Answers false, leaving `image`
// empty, when a side is not positive or the memory is too large or cannot be had.
bool CreateRasterImage(RasterImage& image, int width, int height, std::uint32_t colour);

// Releases the pixel memory; the image is empty afterwards.
void ReleaseRasterImage(RasterImage& image);

// The colour of one pixel, 0xRRGGBB; the pixel must lie inside the image.
std::uint32_t RasterPixel(const RasterImage& image, int x, int y);

// Sets the pixels of the line from (x0, y0) to (x1, y1), both ends included, one pixel
// wide, replacing what is there. Rows and columns are runs; other lines are clipped to
// the columns, then the rows, and stepped by Bresenham's rule.
void DrawRasterLine(RasterImage& image, int x0, int y0, int x1, int y1, std::uint32_t colour);

// The same line when both ends are known to lie inside the image, as every piece of a
// placed snowflake does: no clipping, and small enough to inline into a tight loop.
// Bresenham's steps give rows and columns their runs too.
inline void DrawRasterLineInside(RasterImage& image, int x0, int y0, int x1, int y1,
                                 std::uint32_t colour) {
  const int dx = x1 > x0 ? x1 - x0 : x0 - x1, dy = y1 > y0 ? y1 - y0 : y0 - y1;
  const bool yMajor = dy > dx;
  // Start at the end with the smaller major coordinate.
  if (yMajor ? y0 > y1 : x0 > x1) {
    std::swap(x0, x1);
    std::swap(y0, y1);
  }
  const int dMajor = yMajor ? dy : dx, dMinor = yMajor ? dx : dy;
  const std::ptrdiff_t rowStep = static_cast<std::ptrdiff_t>(image.stride);
  const std::ptrdiff_t majorStep = yMajor ? rowStep : 3;
  const std::ptrdiff_t minorStep = yMajor ? (x1 > x0 ? 3 : -3) : (y1 > y0 ? rowStep : -rowStep);
  std::uint8_t* p = image.pixels.get() + y0 * rowStep + 3 * static_cast<std::ptrdiff_t>(x0);
  const std::uint8_t blue = colour & 0xFF, green = (colour >> 8) & 0xFF, red = colour >> 16;
  int error = 2 * dMinor - dMajor;
  for (int i = 0;; ++i) {
    p[0] = blue;
    p[1] = green;
    p[2] = red;
    if (i == dMajor) break;
    if (error >= 0) {
      p += minorStep;
      error += 2 * (dMinor - dMajor);
    } else {
      error += 2 * dMinor;
    }
    p += majorStep;
  }
}
