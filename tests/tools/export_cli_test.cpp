// The command-line exporter: its arguments, its exit codes and the files it writes.
#include "tools/export_cli.h"

#include <gtest/gtest.h>

#include "export/base_name.h"
#include "export/png_export.h"
#include "export/svg_document.h"
#include "geometry/snowflake_image.h"
#include "test_folder.h"

namespace {

std::u16string FormatSide(int side) {
  const std::string text = std::to_string(side);
  return {text.begin(), text.end()};
}

std::vector<std::u16string> Words(std::initializer_list<const char16_t*> words) {
  return {words.begin(), words.end()};
}

TEST(ExportArguments, GoodOnesFillTheRequest) {
  const struct {
    std::vector<std::u16string> args;
    int depth, w, h, dpiX, dpiY;
    bool svg, png;
  } cases[] = {
      {{}, 0, 300, 380, 96, 96, true, true},
      {Words({u"--depth", u"-5", u"--svg"}), -5, 300, 380, 96, 96, true, false},
      {Words({u"--depth=5", u"--png"}), 5, 300, 380, 96, 96, false, true},
      {Words({u"--side", u"280"}), 0, 300, 380, 96, 96, true, true},
      {Words({u"--side", u"80"}), 0, 300, 180, 96, 96, true, true},
      {Words({u"--side", u"6000"}), 0, 6020, 6100, 96, 96, true, true},
      {Words({u"--client", u"375x475", u"--dpi", u"120"}), 0, 375, 475, 120, 120, true, true},
      {Words({u"--client=800x600", u"--dpi-x", u"110", u"--dpi-y", u"96", u"--svg", u"--png"}), 0,
       800, 600, 110, 96, true, true},
  };
  for (const auto& c : cases) {
    ExportRequest request;
    std::u16string reason;
    ASSERT_TRUE(ParseExportArguments(c.args, request, reason))
        << std::string(reason.begin(), reason.end());
    EXPECT_EQ(request.depth, c.depth);
    EXPECT_EQ(request.clientWidth, c.w);
    EXPECT_EQ(request.clientHeight, c.h);
    EXPECT_EQ(request.dpiX, c.dpiX);
    EXPECT_EQ(request.dpiY, c.dpiY);
    EXPECT_EQ(request.svg, c.svg);
    EXPECT_EQ(request.png, c.png);
  }
}

TEST(ExportArguments, SideNMeansAnImageOfSideN) {
  for (int side : {80, 81, 279, 280, 281, 917, 4000, 6000, 26000}) {
    ExportRequest request;
    std::u16string reason;
    ASSERT_TRUE(ParseExportArguments({u"--side", FormatSide(side)}, request, reason)) << side;
    EXPECT_EQ(PlaceSnowflake(request.clientWidth, request.clientHeight, 1, 1).n, side);
  }
}

TEST(ExportArguments, BadOnesAreRefusedWithAReason) {
  const std::vector<std::u16string> cases[] = {
      Words({u"--depth", u"6"}),
      Words({u"--depth", u"-6"}),
      Words({u"--depth", u"1.5"}),
      Words({u"--depth", u"+1"}),
      Words({u"--depth", u""}),
      Words({u"--depth"}),
      Words({u"--client", u"299x380"}),
      Words({u"--client", u"300x179"}),
      Words({u"--client", u"300"}),
      Words({u"--client", u"x380"}),
      Words({u"--client", u"300x380", u"--dpi", u"120"}),  // below 375x225
      Words({u"--side", u"79"}),
      Words({u"--side", u"280", u"--dpi", u"120"}),
      Words({u"--side", u"280", u"--client", u"300x380"}),
      Words({u"--dpi", u"47"}),
      Words({u"--dpi", u"961"}),
      Words({u"--dpi", u"96", u"--dpi-x", u"96"}),
      Words({u"--dpi-x", u"120"}),
      Words({u"--client", u"1000000x1000000"}),  // no memory for such an image
      // Scales far apart: the margins take the whole of a window the program allows.
      Words({u"--client", u"3000x90", u"--dpi-x", u"960", u"--dpi-y", u"48"}),
      Words({u"--side", u"30000"}),
      Words({u"--frobnicate"}),
      Words({u"--svg=yes"}),
      Words({u"--out", u""}),
      Words({u"280"}),
  };
  for (const auto& args : cases) {
    ExportRequest request;
    std::u16string reason;
    EXPECT_FALSE(ParseExportArguments(args, request, reason))
        << std::string(args[0].begin(), args[0].end());
    EXPECT_FALSE(reason.empty());
    EXPECT_EQ(reason.find(u'\n'), std::u16string::npos);
  }
}

// The files of the exporter against the library's own render and exports, for windows
// across depths, sizes and resolutions.
TEST(ExportMain, WritesTheFilesOfTheRenderedWindow) {
  const struct {
    const char16_t* client;
    int dpiX, dpiY;
  } windows[] = {
      {u"300x380", 96, 96}, {u"300x180", 96, 96}, {u"1000x777", 120, 120}, {u"700x500", 110, 144}};
  for (const auto& window : windows) {
    for (int depth = -5; depth <= 5; ++depth) {
      TestFolder folder, reference;
      const std::u16string dpiX = FormatSide(window.dpiX), dpiY = FormatSide(window.dpiY);
      ASSERT_EQ(ExportMain({u"--depth", FormatSide(depth), u"--client", window.client, u"--dpi-x",
                            dpiX, u"--dpi-y", dpiY, u"--out", folder.Path().u16string()}),
                0);
      const std::string client(window.client,
                               window.client + std::char_traits<char16_t>::length(window.client));
      const int w = std::stoi(client), h = std::stoi(client.substr(client.find('x') + 1));
      const SnowflakePlacement p =
          PlaceSnowflake(w, h, ScaleFromDpi(window.dpiX), ScaleFromDpi(window.dpiY));
      RasterImage image;
      OutlineList outline;
      ASSERT_TRUE(CreateSnowflakeImage(image, outline, p.originX, p.originY, p.side, depth, p.n));
      const std::u16string base = ExportBaseName(depth, p.n);
      ASSERT_TRUE(ExportSvg(reference.Prefix(), base, outline, ChooseUiTexts(u"")).saved);
      ASSERT_TRUE(ExportPng(image, reference.Prefix(), base, ChooseUiTexts(u"")).saved);
      for (const char16_t* extension : {u".svg", u".png"}) {
        const std::filesystem::path name(base + extension);
        EXPECT_EQ(ReadBytes(folder.Path() / name), ReadBytes(reference.Path() / name))
            << name.string();
      }
    }
  }
}

TEST(ExportMain, SideGivesTheTriangleAndLargeSizes) {
  TestFolder folder;
  ASSERT_EQ(ExportMain({u"--side", u"280", u"--out", folder.Path().u16string()}), 0);
  const std::string svg = ReadBytes(folder.Path() / "Quillane_0_0280x0280.svg");
  EXPECT_EQ(svg.size(), 316u);
  EXPECT_NE(svg.find("points=\"38,199 242,199 140,22.330817628\""), std::string::npos);

  // What no window can show: an image of 6000 pixels a side.
  ASSERT_EQ(ExportMain({u"--side", u"6000", u"--depth", u"5", u"--png", u"--out",
                        folder.Path().u16string()}),
            0);
  const std::string png = ReadBytes(folder.Path() / "Quillane_5_6000x6000.png");
  ASSERT_GT(png.size(), 24u);
  EXPECT_EQ(png.substr(12, 4), "IHDR");
  EXPECT_EQ(png.substr(16, 8), std::string("\0\0\x17\x70\0\0\x17\x70", 8));  // 6000 × 6000
}

TEST(ExportMain, WritesWhatTheExportsWriteAndAnswersByOutcome) {
  TestFolder folder;
  const std::u16string out = folder.Path().u16string();
  ASSERT_EQ(
      ExportMain({u"--depth", u"-2", u"--client", u"500x420", u"--dpi", u"110", u"--out", out}), 0);

  // The same window rendered here: the files must be the exports of it.
  const SnowflakePlacement p = PlaceSnowflake(500, 420, ScaleFromDpi(110), ScaleFromDpi(110));
  RasterImage image;
  OutlineList outline;
  ASSERT_TRUE(CreateSnowflakeImage(image, outline, p.originX, p.originY, p.side, -2, p.n));
  const std::string base = "Quillane_-2_0" + std::to_string(p.n) + "x0" + std::to_string(p.n);
  std::vector<std::uint8_t> png;
  ASSERT_TRUE(EncodePng(image, png));
  EXPECT_EQ(ReadBytes(folder.Path() / (base + ".png")), std::string(png.begin(), png.end()));
  TestFolder reference;
  ExportSvg(reference.Prefix(), std::u16string(base.begin(), base.end()), outline,
            ChooseUiTexts(u""));
  EXPECT_EQ(ReadBytes(folder.Path() / (base + ".svg")),
            ReadBytes(reference.Path() / (base + ".svg")));

  // A file that cannot be written: exit 1, the other one is still written.
  MakeReadOnly(folder.Path() / (base + ".svg"));
  std::filesystem::remove(folder.Path() / (base + ".png"));
  EXPECT_EQ(ExportMain({u"--depth=-2", u"--client=500x420", u"--dpi=110", u"--out", out}), 1);
  EXPECT_TRUE(std::filesystem::exists(folder.Path() / (base + ".png")));

  // Bad arguments: exit 2 and nothing written.
  TestFolder empty;
  EXPECT_EQ(ExportMain({u"--depth", u"9", u"--out", empty.Path().u16string()}), 2);
  EXPECT_EQ(ExportMain({u"--out", (empty.Path() / "missing").u16string()}), 1);
  EXPECT_TRUE(std::filesystem::is_empty(empty.Path()));
  EXPECT_EQ(ExportMain({u"--help"}), 0);
}

}  // namespace
