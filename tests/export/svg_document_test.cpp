// The SVG document: its number text, its exact bytes, and the file it goes into.
#include "export/svg_document.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <limits>

#include "geometry/snowflake_image.h"
#include "test_folder.h"

namespace {

const UiTextTable kEnglish = ChooseUiTexts(u"");
const UiTextTable kGerman = ChooseUiTexts(u"de");

TEST(SvgDocument, FormatRealWritesTenDecimalsTrimmed) {
  const struct {
    double value;
    std::u16string_view text;
  } cases[] = {
      {140, u"140"},
      {100, u"100"},  // zeros before the point stay
      {0.5, u"0.5"},
      {-3.25, u"-3.25"},
      {1.0 / 3, u"0.3333333333"},
      {2.0 / 3, u"0.6666666667"},
      {22.3308176279745, u"22.330817628"},
      {1234.00000000004, u"1234"},
      {-0.0, u"0"},
      {0.00000000001, u"0"},
      {-0.00000000001, u"-0"},  // rounds to zero but keeps its sign
      {1e20, u"100000000000000000000"},
      {std::numeric_limits<double>::infinity(), u"+Infinity"},
      {-std::numeric_limits<double>::infinity(), u"-Infinity"},
      {std::numeric_limits<double>::quiet_NaN(), u"NaN"},
  };
  for (const auto& c : cases) EXPECT_EQ(FormatReal(c.value), c.text) << c.value;
}

TEST(SvgDocument, FormatRealIgnoresTheLocale) {
  // The name of a German locale differs between C runtimes.
  if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr &&
      std::setlocale(LC_ALL, "German_Germany.1252") == nullptr) {
    GTEST_SKIP() << "no German locale here";
  }
  char printed[16];
  std::snprintf(printed, sizeof printed, "%.1f", 0.5);
  ASSERT_STREQ(printed, "0,5") << "the locale should put a comma where the file must not";
  EXPECT_EQ(FormatReal(0.5), u"0.5");
  std::setlocale(LC_ALL, "C");
}

// The depth-0 triangle of the 300 × 380 window, byte for byte.
constexpr std::string_view kTriangleSvg =
    "<?xml version=\"1.0\" standalone=\"no\"?>\r\n"
    "<!DOCTYPE svg PUBLIC \"-//W3C//DTD SVG 1.1//EN\"\r\n"
    "\"http://www.w3.org/Graphics/SVG/1.1/DTD/svg11.dtd\">\r\n"
    "\r\n"
    "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\">\r\n"
    "   <polygon points=\"38,199 242,199 140,22.330817628\"\r\n"
    "   style=\"fill:white;stroke:black;stroke-width:0.5\" />\r\n"
    "</svg>\r\n";

OutlineList Outline(int depth) {
  const SnowflakePlacement p = PlaceSnowflake(300, 380, 1, 1);
  RasterImage image;
  OutlineList outline;
  EXPECT_TRUE(CreateSnowflakeImage(image, outline, p.originX, p.originY, p.side, depth, p.n));
  return outline;
}

TEST(SvgDocument, ExportWritesTheTriangleByteForByte) {
  TestFolder folder;
  const ExportOutcome outcome =
      ExportSvg(folder.Prefix(), u"Quillane_0_0280x0280", Outline(0), kEnglish);
  EXPECT_TRUE(outcome.saved);
  EXPECT_EQ(outcome.message, u"File 'Quillane_0_0280x0280.svg' saved.");
  const std::string bytes = ReadBytes(folder.Path() / "Quillane_0_0280x0280.svg");
  EXPECT_EQ(bytes.size(), 316u);
  EXPECT_EQ(bytes, kTriangleSvg);
}

TEST(SvgDocument, DeepOutlinesAreOnePolygonLine) {
  for (int depth : {5, -5}) {
    const std::u16string document = SvgDocument(Outline(depth));
    const std::size_t start = document.find(u"points=\"") + 8;
    const std::size_t end = document.find(u'"', start);
    const std::u16string points = document.substr(start, end - start);
    EXPECT_EQ(points.find(u'\r'), std::u16string::npos);
    EXPECT_EQ(std::count(points.begin(), points.end(), u' '), 3071);
    EXPECT_EQ(std::count(points.begin(), points.end(), u','), 3072);
    EXPECT_EQ(points.find(u"  "), std::u16string::npos);
    EXPECT_TRUE(points.starts_with(u"38,199 ")) << depth;
    EXPECT_TRUE(document.ends_with(u"\" />\r\n</svg>"));
  }
}

TEST(SvgDocument, WriteTextFileAppendsCrLfInUtf8WithoutMark) {
  TestFolder folder;
  const auto file = folder.Path() / "t.txt";
  ASSERT_TRUE(WriteTextFile(file.u16string(), u"Flöckchen ❄"));
  EXPECT_EQ(ReadBytes(file),
            "Fl\xC3\xB6"
            "ckchen \xE2\x9D\x84\r\n");
  ASSERT_TRUE(WriteTextFile(file.u16string(), u""));
  EXPECT_EQ(ReadBytes(file), "\r\n");
}

TEST(SvgDocument, FailuresSayErrorAndLoseNothing) {
  TestFolder folder;
  // A folder that is not there: nothing is created.
  const std::u16string missing = (folder.Path() / "gone" / "").u16string();
  ExportOutcome outcome = ExportSvg(missing, u"Quillane_0_0280x0280", Outline(0), kGerman);
  EXPECT_FALSE(outcome.saved);
  EXPECT_EQ(outcome.message, u"Fehler beim Speichern der Datei 'Quillane_0_0280x0280.svg'.");
  EXPECT_FALSE(std::filesystem::exists(folder.Path() / "gone"));

  // A read-only file of the name stays as it was.
  const auto locked = folder.Path() / "Quillane_1_0280x0280.svg";
  WriteBytes(locked, "old");
  MakeReadOnly(locked);
  outcome = ExportSvg(folder.Prefix(), u"Quillane_1_0280x0280", Outline(1), kEnglish);
  EXPECT_FALSE(outcome.saved);
  EXPECT_EQ(outcome.message, u"Error saving file 'Quillane_1_0280x0280.svg'.");
  EXPECT_EQ(ReadBytes(locked), "old");
}

TEST(SvgDocument, ReplacesAnExistingFileInAnyFolderName) {
  TestFolder folder;
  const std::filesystem::path sub = folder.Path() / std::filesystem::path(u"Schneeflöckchen ❄ 雪");
  std::filesystem::create_directory(sub);
  WriteBytes(sub / "Quillane_0_0280x0280.svg", std::string(5000, 'x'));
  const ExportOutcome outcome =
      ExportSvg((sub / "").u16string(), u"Quillane_0_0280x0280", Outline(0), kEnglish);
  EXPECT_TRUE(outcome.saved);
  EXPECT_EQ(outcome.message, u"File 'Quillane_0_0280x0280.svg' saved.");  // no folder in it
  EXPECT_EQ(ReadBytes(sub / "Quillane_0_0280x0280.svg"), kTriangleSvg);
}

}  // namespace
