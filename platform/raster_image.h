// The raster image: our own pixel memory, 24-bit blue-green-red, and its one-pixel line.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
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

// A pixel's column and row.
struct PixelPoint {
  int x;
  int y;
};

// Draws many short lines into one image by the same rule, quickly: the pixels of every
// line reaching at most `reach` pixels across and down are worked out once, as byte
// offsets from its first end. Longer lines, and lines with an end near the edge or
// outside, are drawn by DrawRasterLine. The image must outlive the pen and keep its size.
class ShortLinePen {
 public:
  static constexpr int kMaxReach = 7;

  ShortLinePen(RasterImage& image, int reach, std::uint32_t colour);
  ShortLinePen(const ShortLinePen&) = delete;
  ShortLinePen& operator=(const ShortLinePen&) = delete;

  // The lines from each point to the next: points[0] to points[1], and so on.
  template <std::size_t N>
  void DrawPolyline(std::span<const PixelPoint, N> points) {
    static_assert(N >= 2 && N != std::dynamic_extent, "a fixed number of points, two or more");
    // Locals only while pixels are written: a pixel byte could be any member, as far as
    // the compiler knows, and it would read them all again after every write.
    const Locals pen{pixels_, stride_, offsets_, reach_, blue_, green_, red_};
    // With the first point at least N - 1 reaches inside the edges, every point after it
    // stays inside for as long as the lines are short.
    const unsigned margin = (N - 1) * pen.reach;
    bool inside = static_cast<unsigned>(points[0].x) - margin < Inner(width_, margin) &&
                  static_cast<unsigned>(points[0].y) - margin < Inner(height_, margin);
    // Written out line by line, so that the points stay in registers.
    const auto drawLines = [&]<std::size_t... I>(std::index_sequence<I...>) {
      ((inside = DrawLine(pen, inside, points[I], points[I + 1])), ...);
    };
    drawLines(std::make_index_sequence<N - 1>());
  }

  void Draw(PixelPoint a, PixelPoint b) {
    const PixelPoint ends[] = {a, b};
    DrawPolyline(std::span(ends));
  }

 private:
  struct Locals {
    std::uint8_t* pixels;
    std::ptrdiff_t stride;
    const std::int32_t* offsets;
    unsigned reach;
    std::uint8_t blue, green, red;
  };

  // The columns or rows at least `margin` inside an image side of `size`.
  static unsigned Inner(unsigned size, unsigned margin) {
    return size > 2 * margin ? size - 2 * margin : 0;
  }

  // Draws one line of a polyline; answers whether the next one may take the table
  // without looking at the edges.
  bool DrawLine(const Locals& pen, bool inside, PixelPoint a, PixelPoint b) {
    // Wrapping arithmetic: far-off ends give large values instead of overflowing.
    const unsigned across = static_cast<unsigned>(b.x) - static_cast<unsigned>(a.x) + pen.reach;
    const unsigned down = static_cast<unsigned>(b.y) - static_cast<unsigned>(a.y) + pen.reach;
    if (!inside || across > 2 * pen.reach || down > 2 * pen.reach) {
      DrawRasterLine(image_, a.x, a.y, b.x, b.y, colour_);
      return false;
    }
    const std::int32_t* offsets = pen.offsets + (down * kRow + across) * kSlots;
    std::uint8_t* first = pen.pixels + static_cast<std::ptrdiff_t>(a.y) * pen.stride + 3 * a.x;
    const auto set = [first, &pen](std::int32_t offset) {
      std::uint8_t* p = first + offset;
      p[0] = pen.blue;
      p[1] = pen.green;
      p[2] = pen.red;
    };
    // Four or eight offsets, the last pixel repeated where a line has fewer.
    set(offsets[0]);
    set(offsets[1]);
    set(offsets[2]);
    set(offsets[3]);
    if (pen.reach >= 4) {
      set(offsets[4]);
      set(offsets[5]);
      set(offsets[6]);
      set(offsets[7]);
    }
    return true;
  }

  static constexpr unsigned kRow = 16;  // 2 * kMaxReach + 1 columns, rounded up for cheap indexing
  static constexpr unsigned kSlots = kMaxReach + 1;
  static constexpr unsigned kMinSlots = 4;

  RasterImage& image_;
  std::uint32_t colour_;
  std::uint8_t* pixels_;
  std::ptrdiff_t stride_;
  unsigned width_, height_, reach_;
  std::uint8_t blue_, green_, red_;
  // By (down, across), both counted from -reach: the pixels' byte offsets from the first end.
  std::int32_t offsets_[kRow * kRow * kSlots];
};
