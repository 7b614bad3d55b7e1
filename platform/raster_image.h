// The raster image: our own pixel memory, 24-bit blue-green-red, and its one-pixel line.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

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
