// The PNG export, read back with libpng and zlib: chunks, settings, rows and pixels.
#include "export/png_export.h"

#include <gtest/gtest.h>
#include <png.h>
#include <zlib.h>

#include <cstring>
#include <string>
#include <vector>

#include "geometry/snowflake_image.h"
#include "test_folder.h"

namespace {

const UiTextTable kEnglish = ChooseUiTexts(u"");

std::uint32_t BigEndian(const std::uint8_t* p) {
  return std::uint32_t{p[0]} << 24 | std::uint32_t{p[1]} << 16 | std::uint32_t{p[2]} << 8 | p[3];
}

struct Chunk {
  std::string type;
  std::vector<std::uint8_t> data;
};

std::vector<Chunk> Chunks(const std::vector<std::uint8_t>& png) {
  static const std::uint8_t kSignature[8] = {137, 80, 78, 71, 13, 10, 26, 10};
  EXPECT_GE(png.size(), 8u);
  EXPECT_EQ(std::memcmp(png.data(), kSignature, 8), 0);
  std::vector<Chunk> chunks;
  for (std::size_t at = 8; at + 12 <= png.size();) {
    const std::uint32_t length = BigEndian(&png[at]);
    const std::uint8_t* data = &png[at + 8];
    chunks.push_back(
        {std::string(reinterpret_cast<const char*>(&png[at + 4]), 4), {data, data + length}});
    at += 12 + length;
  }
  return chunks;
}

// The picture as libpng reads it back: rows of red, green, blue.
std::vector<std::vector<std::uint8_t>> DecodeRgbRows(const std::vector<std::uint8_t>& png,
                                                     int& width, int& height) {
  png_image decoded{};
  decoded.version = PNG_IMAGE_VERSION;
  EXPECT_TRUE(png_image_begin_read_from_memory(&decoded, png.data(), png.size()));
  decoded.format = PNG_FORMAT_RGB;
  std::vector<std::uint8_t> pixels(PNG_IMAGE_SIZE(decoded));
  EXPECT_TRUE(png_image_finish_read(&decoded, nullptr, pixels.data(), 0, nullptr));
  width = static_cast<int>(decoded.width);
  height = static_cast<int>(decoded.height);
  std::vector<std::vector<std::uint8_t>> rows;
  for (int y = 0; y < height; ++y)
    rows.emplace_back(pixels.begin() + 3 * width * y, pixels.begin() + 3 * width * (y + 1));
  return rows;
}

// An asymmetric "F", red on blue, in a width whose rows need padding: a flipped row
// order, a mirrored row or swapped channels all show at once.
RasterImage PictureOfF() {
  RasterImage image;
  EXPECT_TRUE(CreateRasterImage(image, 5, 7, 0x0000FF));
  DrawRasterLine(image, 1, 1, 1, 5, 0xFF0000);
  DrawRasterLine(image, 1, 1, 3, 1, 0xFF0000);
  DrawRasterLine(image, 1, 3, 2, 3, 0xFF0000);
  DrawRasterLine(image, 4, 6, 4, 6, 0x00FF00);  // one green corner pixel
  return image;
}

TEST(PngExport, PixelsComeBackUprightInRedGreenBlue) {
  const RasterImage image = PictureOfF();
  std::vector<std::uint8_t> png;
  ASSERT_TRUE(EncodePng(image, png));
  int width, height;
  const auto rows = DecodeRgbRows(png, width, height);
  ASSERT_EQ(width, 5);
  ASSERT_EQ(height, 7);
  for (int y = 0; y < 7; ++y) {
    for (int x = 0; x < 5; ++x) {
      const std::uint32_t colour = RasterPixel(image, x, y);
      EXPECT_EQ(rows[y][3 * x], colour >> 16) << x << "," << y;
      EXPECT_EQ(rows[y][3 * x + 1], (colour >> 8) & 0xFF) << x << "," << y;
      EXPECT_EQ(rows[y][3 * x + 2], colour & 0xFF) << x << "," << y;
    }
  }
  EXPECT_EQ(rows[1][3], 0xFF);   // the F's top-left is red in the first channel
  EXPECT_EQ(rows[6][14], 0x00);  // the green corner has no blue
}

TEST(PngExport, OnlyCriticalChunksUnfilteredRgbAtLevelNine) {
  RasterImage image;
  OutlineList outline;
  const SnowflakePlacement p = PlaceSnowflake(937, 1017, 1, 1);
  ASSERT_EQ(p.n, 917);
  ASSERT_TRUE(CreateSnowflakeImage(image, outline, p.originX, p.originY, p.side, 5, p.n));
  std::vector<std::uint8_t> png;
  ASSERT_TRUE(EncodePng(image, png));
  const std::vector<Chunk> chunks = Chunks(png);
  ASSERT_GE(chunks.size(), 3u);
  EXPECT_EQ(chunks.front().type, "IHDR");
  EXPECT_EQ(chunks.back().type, "IEND");
  EXPECT_TRUE(chunks.back().data.empty());
  std::vector<std::uint8_t> stream;
  for (std::size_t i = 1; i + 1 < chunks.size(); ++i) {
    EXPECT_EQ(chunks[i].type, "IDAT");
    EXPECT_LE(chunks[i].data.size(), 8192u);
    stream.insert(stream.end(), chunks[i].data.begin(), chunks[i].data.end());
  }
  const std::vector<std::uint8_t>& header = chunks.front().data;
  ASSERT_EQ(header.size(), 13u);
  EXPECT_EQ(BigEndian(&header[0]), 917u);
  EXPECT_EQ(BigEndian(&header[4]), 917u);
  EXPECT_EQ(header[8], 8);   // bit depth
  EXPECT_EQ(header[9], 2);   // truecolour
  EXPECT_EQ(header[10], 0);  // deflate
  EXPECT_EQ(header[11], 0);  // adaptive filtering method
  EXPECT_EQ(header[12], 0);  // not interlaced
  ASSERT_GE(stream.size(), 2u);
  EXPECT_EQ(stream[1] >> 6, 3);  // the zlib header tells the highest compression level

  std::vector<std::uint8_t> raw(917 * (1 + 3 * 917));
  uLongf rawSize = raw.size();
  ASSERT_EQ(uncompress(raw.data(), &rawSize, stream.data(), stream.size()), Z_OK);
  ASSERT_EQ(rawSize, raw.size());
  for (int y = 0; y < 917; ++y) {
    const std::uint8_t* row = &raw[y * (1 + 3 * 917)];
    ASSERT_EQ(row[0], 0) << "row " << y << " is filtered";
    for (int x = 0; x < 917; ++x) {
      const std::uint32_t colour = RasterPixel(image, x, y);
      ASSERT_EQ(row[1 + 3 * x], colour >> 16) << x << "," << y;
      ASSERT_EQ(row[2 + 3 * x], (colour >> 8) & 0xFF) << x << "," << y;
      ASSERT_EQ(row[3 + 3 * x], colour & 0xFF) << x << "," << y;
    }
  }
  EXPECT_EQ(RasterPixel(image, 0, 0), kWhite);
}

TEST(PngExport, FileHoldsTheEncodedBytesAndReplacesAnOldOne) {
  TestFolder folder;
  const RasterImage image = PictureOfF();
  std::vector<std::uint8_t> expected;
  ASSERT_TRUE(EncodePng(image, expected));
  const auto file = folder.Path() / "Quillane_0_0280x0280.png";
  WriteBytes(file, std::string(100000, 'x'));
  const ExportOutcome outcome =
      ExportPng(image, folder.Prefix(), u"Quillane_0_0280x0280", kEnglish);
  EXPECT_TRUE(outcome.saved);
  EXPECT_EQ(outcome.message, u"File 'Quillane_0_0280x0280.png' saved.");
  EXPECT_EQ(ReadBytes(file), std::string(expected.begin(), expected.end()));
}

TEST(PngExport, FailuresSayErrorAndCreateNothing) {
  TestFolder folder;
  const RasterImage image = PictureOfF();
  const std::u16string missing = (folder.Path() / "gone" / "").u16string();
  ExportOutcome outcome = ExportPng(image, missing, u"Quillane_0_0280x0280", kEnglish);
  EXPECT_FALSE(outcome.saved);
  EXPECT_EQ(outcome.message, u"Error saving file 'Quillane_0_0280x0280.png'.");
  EXPECT_FALSE(std::filesystem::exists(folder.Path() / "gone"));

  const auto locked = folder.Path() / "Quillane_2_0280x0280.png";
  WriteBytes(locked, "old");
  MakeReadOnly(locked);
  outcome = ExportPng(image, folder.Prefix(), u"Quillane_2_0280x0280", kEnglish);
  EXPECT_FALSE(outcome.saved);
  EXPECT_EQ(ReadBytes(locked), "old");

  // No image: no file either.
  outcome = ExportPng(RasterImage{}, folder.Prefix(), u"Quillane_3_0280x0280", kEnglish);
  EXPECT_FALSE(outcome.saved);
  EXPECT_EQ(outcome.message, u"Error saving file 'Quillane_3_0280x0280.png'.");
  EXPECT_FALSE(std::filesystem::exists(folder.Path() / "Quillane_3_0280x0280.png"));
  EXPECT_FALSE(WritePngFile(image, u""));
}

}  // namespace
