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

// A pixel's column and row.
struct PixelPoint {
  int x;
  int y;
};

// Draws many short lines into one image by the same rule, quickly: the pixels of every
// line reaching at most `reach` pixels across and down are worked out once, as byte
// offsets from its first end. Longer lines, and lines with an end near the edge or
// outside, are drawn by DrawRasterLine; so is every line of a pen whose reach is beyond
// kMaxReach, which tables nothing. The image must outlive the pen and keep its size.
class ShortLinePen {
 public:
  static constexpr int kMaxReach = 7;

  ShortLinePen(RasterImage& image, int reach, std::uint32_t colour);
  ShortLinePen(const ShortLinePen&) = delete;
  ShortLinePen& operator=(const ShortLinePen&) = delete;

  void Draw(PixelPoint a, PixelPoint b) {
    // Wrapping arithmetic: far-off ends give large values instead of overflowing. A first
    // end at least `reach` inside the edges keeps a short line's other end inside.
    const unsigned reach = reach_;
    const unsigned across = static_cast<unsigned>(b.x) - static_cast<unsigned>(a.x) + reach;
    const unsigned down = static_cast<unsigned>(b.y) - static_cast<unsigned>(a.y) + reach;
    if (across > 2 * reach || down > 2 * reach ||
        static_cast<unsigned>(a.x) - reach >= innerWidth_ ||
        static_cast<unsigned>(a.y) - reach >= innerHeight_) {
      DrawRasterLine(image_, a.x, a.y, b.x, b.y, colour_);
      return;
    }
    // Locals while pixels are written: a pixel byte could be any member, as far as the
    // compiler knows, and it would read them all again after every write.
    const std::uint8_t blue = blue_, green = green_, red = red_;
    const std::int32_t* offsets = offsets_ + (down * kRow + across) * kSlots;
    std::uint8_t* first = pixels_ + static_cast<std::ptrdiff_t>(a.y) * stride_ + 3 * a.x;
    const auto set = [first, blue, green, red](std::int32_t offset) {
      std::uint8_t* p = first + offset;
      p[0] = blue;
      p[1] = green;
      p[2] = red;
    };
    // Four or eight offsets, the last pixel repeated where a line has fewer.
    set(offsets[0]);
    set(offsets[1]);
    set(offsets[2]);
    set(offsets[3]);
    if (reach >= 4) {
      set(offsets[4]);
      set(offsets[5]);
      set(offsets[6]);
      set(offsets[7]);
    }
  }

 private:
  static constexpr unsigned kRow = 16;  // 2 * kMaxReach + 1 columns, rounded up for cheap indexing
  static constexpr unsigned kSlots = kMaxReach + 1;
  static constexpr unsigned kMinSlots = 4;

  RasterImage& image_;
  std::uint32_t colour_;
  std::uint8_t* pixels_;
  std::ptrdiff_t stride_;
  unsigned reach_;
  unsigned innerWidth_, innerHeight_;  // the columns and rows at least `reach` inside
  std::uint8_t blue_, green_, red_;
  // By (down, across), both counted from -reach: the pixels' byte offsets from the first end.
  std::int32_t offsets_[kRow * kRow * kSlots];
};
